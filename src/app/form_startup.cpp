// Start-up, and files dropped on the window.

#include "app/zinda_form.h"

namespace murva {

void TZindaForm::FormCreate(const std::vector<std::string>& args) {
    // The black band behind the cut thumbnails.
    Canvas& band = FilmBand.Modify().GetCanvas();
    band.Brush = TBrush{clBlack, TBrushStyle::Solid};
    band.FillRect({0, 0, 1000, 200});
    WorkReset.SetDefaultPen();
    CanvasBitmap = graphics.CreateBitmap(FieldWidth, FieldHeight);
    BGImage.Picture->SetSize(FieldWidth, FieldHeight);
    PaintBox.Picture->SetSize(FieldWidth, FieldHeight);
    ResetDocument();
    // Work a crash left behind comes before the file named.
    const std::string named = args.empty() ? std::string() : args.front();
    if (!Recovery.OfferLeftoverWork(named) && !named.empty()) OpenFileByName(named);
    S.Shell.ResizeMode = TResizeMode::KeepShape;
    S.Cuts.CurrentCut = 1;
}

void TZindaForm::WMDropFiles(const std::vector<std::string>& paths) {
    if (!paths.empty()) OpenFileByName(paths.front());
}

} // namespace murva
