#include "anim/gif_export.h"

#include "files/file_names.h"
#include "files/gif_writer.h"
#include "files/safe_file.h"
#include "ui/texts.h"

#include <vector>

namespace murva {

namespace {

// 25 pictures a second; the last is held a second before the animation starts again.
constexpr double PictureMilliseconds = 40;
constexpr int PictureDelay = 4;
constexpr int LastPictureDelay = 100;

} // namespace

void TGifExport::Save2GIFMenuClick() {
    Doc.CommitHeldChange();
    TFileDialog dialog = Shell.Dialog(texts::GIFSaveFilter);
    dialog.DefaultExt = "gif";
    // The whole animation, as "ぜんぶみる" shows it.
    const std::optional<std::string> path = Platform.SaveDialog(dialog);
    if (path && ExportGif(*path, true)) Platform.ShowMessage(texts::GifWritten);
}

bool TGifExport::ExportGif(const std::string& path, bool allCuts) {
    if (Doc.FigList().IsEmpty()) {
        Platform.ShowMessage(texts::NothingToPlay);
        return false;
    }
    return ExportGif(path, [this, allCuts](const TFilming& filming) {
        if (allCuts)
            Playback.PlayAll(&filming);
        else
            Playback.PlayCut(&filming);
        return true;
    });
}

bool TGifExport::ExportGif(const std::string& path,
                           const std::function<bool(const TFilming&)>& film) {
    Doc.CommitHeldChange();
    const TMode mode = Shell.Mode;
    const std::int32_t cut = Cuts.CurrentCut;
    Doc.Select(nullptr);

    // Filmed off the screen, in a picture of its own.
    const std::int32_t width = C.FieldWidth, height = C.FieldHeight;
    const std::unique_ptr<Bitmap> picture = Bitmaps.CreateBitmap(width, height);
    const Bitmap& field = *picture;
    TGifWriter writer(width, height);
    std::vector<std::uint32_t> rgb(std::size_t(width) * std::size_t(height));
    TFilming filming{PictureMilliseconds,
                     [&] {
                         for (std::int32_t y = 0; y < height; ++y)
                             for (std::int32_t x = 0; x < width; ++x) {
                                 const TColor c = field.GetPixel(x, y);
                                 rgb[std::size_t(y) * width + x] = std::uint32_t(RedOf(c)) << 16 |
                                                                   std::uint32_t(GreenOf(c)) << 8 |
                                                                   BlueOf(c);
                             }
                         writer.AddFrame(rgb, PictureDelay);
                     },
                     picture.get()};
    const bool filmed = film(filming);
    if (filmed) writer.AddFrame(rgb, LastPictureDelay - PictureDelay);

    // The window as it was: the same cut, the same state, the play bar at its start.
    Cuts.CurrentCut = cut;
    C.PlayBar.SetPositionQuietly(0);
    Shell.Mode = mode;
    Painter.PaintBoxPaint();
    if (!filmed) return false;

    const std::optional<std::string> bytes = writer.Finish();
    if (bytes && WriteFileAtomically(path, *bytes, path + ".bak")) return true;
    Platform.ShowMessage(texts::PictureUnwritable);
    return false;
}

} // namespace murva
