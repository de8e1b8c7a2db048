#include "anim/film_export.h"

#include "files/gif_writer.h"
#include "files/safe_file.h"
#include "files/video_writer.h"
#include "ui/texts.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace murva {

namespace {

// A GIF has 25 pictures a second, each shown 4 hundredths; the last is held a second
// before the animation starts again.
constexpr double GifRate = 25;
constexpr int PictureDelay = 4;
constexpr int LastPictureDelay = 100;
// A video has 30, and holds its last picture as many more.
constexpr int VideoRate = 30;

} // namespace

void TFilmExport::Save2GIFMenuClick() {
    Doc.CommitHeldChange();
    // The whole animation, as "ぜんぶみる" shows it.
    const std::optional<std::string> path =
        Platform.SaveDialog(Shell.SaveDialog(texts::GIFSaveFilter, "gif", Platform));
    if (path && ExportGif(*path, TFilmKind::AllCuts)) Platform.ShowMessage(texts::GifWritten);
}

void TFilmExport::Save2VideoMenuClick() {
    Doc.CommitHeldChange();
    const std::optional<std::string> path =
        Platform.SaveDialog(Shell.SaveDialog(texts::VideoSaveFilter, "mp4", Platform));
    if (path && ExportVideo(*path, TFilmKind::AllCuts)) Platform.ShowMessage(texts::VideoWritten);
}

bool TFilmExport::ExportGif(const std::string& path, TFilmKind kind) {
    const std::unique_ptr<Bitmap> picture = Bitmaps.CreateBitmap(C.FieldWidth, C.FieldHeight);
    TGifWriter writer(C.FieldWidth, C.FieldHeight);
    std::vector<std::uint32_t> rgb(std::size_t(C.FieldWidth) * std::size_t(C.FieldHeight));
    TFilming filming{GifRate,
                     [&] {
                         picture->ReadPixels(rgb.data());
                         writer.AddFrame(rgb, PictureDelay);
                         return true;
                     },
                     picture.get()};
    if (!Film(filming, kind, 0)) return false;
    writer.AddFrame(rgb, LastPictureDelay - PictureDelay);
    const std::optional<std::string> bytes = writer.Finish();
    if (bytes && WriteFileAtomically(path, *bytes, path + ".bak")) return true;
    Platform.ShowMessage(texts::PictureUnwritable);
    return false;
}

bool TFilmExport::ExportVideo(const std::string& path, TFilmKind kind, TVideoSize size) {
    TVideoWriter writer(path, size.Width, size.Height, VideoRate);
    if (writer.Failed()) {
        Platform.ShowMessage(texts::VideoUnwritable, writer.Error());
        return false;
    }
    const std::unique_ptr<Bitmap> picture = Bitmaps.CreateBitmap(size.Width, size.Height);
    std::vector<std::uint32_t> pixels(std::size_t(size.Width) * std::size_t(size.Height));
    TFilming filming{VideoRate,
                     [&] {
                         picture->ReadPixels(pixels.data());
                         return writer.AddFrame(pixels.data());
                     },
                     picture.get(), true};
    const bool filmed = Film(filming, kind, VideoRate);
    // A stop asked for by the user needs no message; a failed library does.
    if (writer.Failed() || (filmed && !writer.Finish())) {
        Platform.ShowMessage(texts::VideoUnwritable, writer.Error());
        return false;
    }
    return filmed;
}

double TFilmExport::FilmMilliseconds(TFilmKind kind) const {
    switch (kind) {
    case TFilmKind::Cut:
        return Playback.RunMilliseconds();
    case TFilmKind::AllCuts:
        return Cuts.CutCount * Playback.RunMilliseconds();
    case TFilmKind::Making:
        return Making.FilmMilliseconds();
    }
    return 0;
}

bool TFilmExport::Film(TFilming& filming, TFilmKind kind, std::int64_t held) {
    Doc.CommitHeldChange();
    if (kind != TFilmKind::Making && Doc.FigList().IsEmpty()) {
        Platform.ShowMessage(texts::NothingToPlay);
        return false;
    }
    // Each run ends on a picture of its own unless the film keeps one clock.
    const std::int64_t runEnds = filming.OneClock             ? 0
                                 : kind == TFilmKind::AllCuts ? Cuts.CutCount
                                                              : 1;
    const auto total =
        static_cast<std::int64_t>(std::ceil(FilmMilliseconds(kind) * filming.Rate / 1000)) +
        runEnds + held;
    const std::function<bool()> take = std::move(filming.Take);
    filming.Take = [&] {
        return take() &&
               Platform.Progress(texts::FilmProgress, std::min(filming.Taken, total), total);
    };
    bool filmed = true;
    Playback.FilmOffScreen([&] {
        switch (kind) {
        case TFilmKind::Cut:
            Playback.PlayCut(&filming);
            break;
        case TFilmKind::AllCuts:
            Playback.PlayAll(&filming);
            break;
        case TFilmKind::Making:
            filmed = Making.Replay(&filming);
            break;
        }
        // The last picture, held.
        for (std::int64_t i = 0; filmed && i < held && !filming.Stopped; ++i)
            filming.TakePicture();
        Platform.EndProgress();
    });
    return filmed && !filming.Stopped;
}

} // namespace murva
