// Background pictures behind the drawing field, and the drawing field exported as JPEG.

#include "app/zinda_form.h"

#include "app/texts.h"
#include "files/file_names.h"
#include "files/jpeg_codec.h"
#include "files/safe_file.h"

namespace murva {

namespace {

constexpr int JpegQuality = 90;

} // namespace

int TZindaForm::LoadBackground(const std::string& path) {
    if (!FileExists(path)) return 1;
    const TRect field{0, 0, FieldWidth, FieldHeight};
    Bitmap& background = *BGImage.Picture;
    const std::string ext = ExtensionOf(path);
    if (ext == ".BMP" || ext == ".bmp") {
        // Decoded into a scratch picture first: a file that fails leaves the old one.
        std::unique_ptr<Bitmap> loaded = graphics.CreateBitmap(FieldWidth, FieldHeight);
        if (!graphics.LoadBmp(path, *loaded)) {
            host.ShowMessage(texts::PictureUnreadable);
            return 2;
        }
        // Not scaled: cut at the right and bottom, or extended with white.
        loaded->SetSize(FieldWidth, FieldHeight);
        background.SetSize(FieldWidth, FieldHeight);
        background.GetCanvas().CopyRect(field, loaded->GetCanvas(), field);
    } else if (ext == ".JPG" || ext == ".jpg") {
        const std::optional<TRgbImage> image = DecodeJpegFile(path, FieldWidth, FieldHeight);
        if (!image) {
            host.ShowMessage(texts::PictureUnreadable);
            return 2;
        }
        // Drawn unscaled over what is there: where a smaller picture ends, the old
        // background stays.
        background.SetSize(FieldWidth, FieldHeight);
        for (std::int32_t y = 0; y < image->Height; ++y) {
            for (std::int32_t x = 0; x < image->Width; ++x) {
                const std::uint8_t* rgb = image->At(x, y);
                background.SetPixel(x, y, RGBColor(rgb[0], rgb[1], rgb[2]));
            }
        }
    }
    return 0;
}

void TZindaForm::ReadBGMenuClick() {
    TFileDialog dialog;
    dialog.Filter = texts::BGFilter;
    dialog.FilterIndex = 1;
    const std::optional<std::string> path = host.OpenDialog(dialog);
    if (!path) return;
    if (LoadBackground(*path) == 0) {
        RecordFileAction(akReadBG, *path);
        S.Shell.LoadKind = lkImage;
        PaintBoxPaint();
    }
}

void TZindaForm::ClearMenuClick() {
    if (S.History.ActionPending) CommitPendingChange();
    FillWhite(*BGImage.Picture);
    S.Shell.ShownBGName.clear();
    PaintBoxPaint();
    RecordAction(akCleareBG);
}

void TZindaForm::Save2JPEGMenuClick() {
    if (S.History.ActionPending) CommitPendingChange();
    TFileDialog dialog;
    dialog.Filter = texts::JPEGSaveFilter;
    dialog.DefaultExt = "jpg";
    const std::optional<std::string> path = host.SaveDialog(dialog);
    if (!path) return;
    // The picture goes out without selection marks.
    S.Figures.SelectedFig = S.Figures.LastSelectedFig = nullptr;
    PaintBoxPaint();

    const Bitmap& picture = *CanvasBitmap;
    TRgbImage image;
    image.Width = picture.Width();
    image.Height = picture.Height();
    image.Pixels.reserve(std::size_t(image.Width) * std::size_t(image.Height) * 3);
    for (std::int32_t y = 0; y < image.Height; ++y) {
        for (std::int32_t x = 0; x < image.Width; ++x) {
            const TColor color = picture.GetPixel(x, y);
            image.Pixels.push_back(RedOf(color));
            image.Pixels.push_back(GreenOf(color));
            image.Pixels.push_back(BlueOf(color));
        }
    }
    const std::optional<std::string> bytes = EncodeJpeg(image, JpegQuality);
    // The old file becomes its backup beside it, unless a backup is there already.
    if (!bytes || !WriteFileAtomically(*path, *bytes, ReplaceExtension(*path, ".bak")))
        host.ShowMessage(texts::PictureUnwritable);
}

} // namespace murva
