#include "anim/pictures.h"

#include "files/file_names.h"
#include "files/jpeg_codec.h"
#include "files/picture_pixels.h"
#include "files/safe_file.h"
#include "ui/texts.h"

#include <vector>

namespace murva {

namespace {

constexpr int JpegQuality = 90;

} // namespace

TPictureLoad TPictures::LoadBackground(const std::string& path) {
    if (!FileExists(path)) return TPictureLoad::Missing;
    if (!HasExtension(path, BmpExtensions) && !HasExtension(path, JpegExtensions))
        return TPictureLoad::Loaded;
    // Not scaled: a BMP is cut at the right and bottom, or extended with white; where a
    // smaller JPEG ends, the old background stays.
    Bitmap& picture = C.BGImage.Modify();
    picture.SetSize(C.FieldWidth, C.FieldHeight);
    if (!DrawPictureFile(path, Bitmaps, picture)) {
        Platform.ShowMessage(texts::PictureUnreadable);
        return TPictureLoad::Unreadable;
    }
    return TPictureLoad::Loaded;
}

void TPictures::ShowDocumentBackground(const std::string& folder) {
    const std::string& named = Doc.Background();
    if (named.empty()) {
        if (!Shell.ShownBGName.empty()) ClearShown();
        return;
    }
    if (named == Shell.ShownBGName) return;
    // The picture the animation names: where it says, beside the animation (a relative
    // name, then the bare name), and only then in the working folder.
    const std::string bare = BareFileName(named);
    std::vector<std::string> places;
    if (named.starts_with('/')) places.push_back(named);
    if (!folder.empty()) {
        if (!named.starts_with('/')) places.push_back(folder + "/" + named);
        places.push_back(folder + "/" + bare);
    }
    places.push_back(named);
    places.push_back(bare);
    TPictureLoad loaded = TPictureLoad::Missing;
    for (auto place = places.begin(); loaded == TPictureLoad::Missing && place != places.end();
         ++place)
        loaded = LoadBackground(*place);
    Shell.MissingBGName = loaded == TPictureLoad::Loaded ? std::string() : named;
    Shell.ShownBGName = named;
}

void TPictures::ReadBGMenuClick() {
    TFileDialog dialog = Shell.Dialog(texts::BGFilter);
    dialog.FilterIndex = 1;
    const std::optional<std::string> path = Platform.OpenDialog(dialog);
    if (!path || !UseBackground(*path)) return;
    Shell.LoadKind = TLoadKind::Image;
    Painter.PaintBoxPaint();
}

bool TPictures::UseBackground(const std::string& path) {
    if (LoadBackground(path) != TPictureLoad::Loaded) return false;
    Doc.RecordFile(TActionKind::ReadBG, path);
    Shell.ShownBGName = path;
    Shell.MissingBGName.clear();
    return true;
}

void TPictures::ClearMenuClick() {
    Doc.RecordFile(TActionKind::ClearBG, {});
    ClearShown();
    Painter.PaintBoxPaint();
}

void TPictures::ClearShown() {
    FillWhite(C.BGImage.Modify());
    Shell.ShownBGName.clear();
    Shell.MissingBGName.clear();
}

void TPictures::Save2JPEGMenuClick() {
    Doc.CommitHeldChange();
    const std::optional<std::string> path =
        Platform.SaveDialog(Shell.SaveDialog(texts::JPEGSaveFilter, "jpg", Platform));
    if (!path) return;
    // The picture goes out without selection marks.
    Doc.ClearSelection();
    Painter.PaintBoxPaint();
    WriteFieldAsJpeg(*path);
}

bool TPictures::WriteFieldAsJpeg(const std::string& path) {
    const std::optional<std::string> bytes = EncodeJpeg(RgbImageOf(Painter.Field()), JpegQuality);
    // The old file becomes its backup beside it ("a.jpg.bak": "a.bak" is the animation's),
    // unless a backup is there already.
    if (bytes && WriteFileAtomically(path, *bytes, path + ".bak")) return true;
    Platform.ShowMessage(texts::PictureUnwritable);
    return false;
}

} // namespace murva
