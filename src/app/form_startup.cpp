// Start-up, reset, opening a file by name, dropped files and the close request.

#include "app/zinda_form.h"

#include "anim/cut_numbers.h"
#include "app/texts.h"
#include "files/file_names.h"

#include <algorithm>
#include <array>
#include <fstream>

namespace murva {

namespace {

constexpr std::array<const char*, 8> OpenableExtensions = {".znd", ".ZND", ".mrv", ".MRV",
                                                           ".bmp", ".BMP", ".jpg", ".JPG"};

bool IsOneOf(const std::string& ext, std::initializer_list<const char*> list) {
    return std::any_of(list.begin(), list.end(), [&](const char* e) { return ext == e; });
}

} // namespace

void TZindaForm::FormCreate(const std::vector<std::string>& args) {
    Caption = S.Shell.VersionTitle;
    // The black band behind the cut thumbnails.
    Canvas& band = Image1.Picture->GetCanvas();
    band.Brush = TBrush{clBlack, TBrushStyle::Solid};
    band.FillRect({0, 0, 1000, 200});
    SetDefaultPen();
    CanvasBitmap = graphics.CreateBitmap(FieldWidth, FieldHeight);
    BGImage.Picture->SetSize(FieldWidth, FieldHeight);
    PaintBox.Picture->SetSize(FieldWidth, FieldHeight);
    ResetDocument();
    if (!args.empty() && !args.front().empty()) OpenFileByName(args.front());
    S.Shell.ResizeMode = 2;
    S.Cuts.CurrentCut = 1;
    S.Paint.CurrentCutImage = &CutImages[0];
}

void TZindaForm::SetDefaultPen() {
    Canvas& canvas = PaintBox.Picture->GetCanvas();
    canvas.Pen = TPen{4, clBlack, TPenStyle::Solid, TPenMode::Copy};
    canvas.Brush = TBrush{clWhite, TBrushStyle::Solid};
}

void TZindaForm::ResetDocument() {
    host.BringToFront();
    S.History.ActionLog.Clear(S.Figures.LastFigureID);
    S.Figures.FigList.Clear();
    S.Figures.DeletedFigList.Clear();
    S.Mouse.Clear();
    S.Figures.SelectedFig = S.Figures.LastSelectedFig = nullptr;
    S.History.ActionPending = false;
    S.History.PendingFigData = nullptr;
    S.History.ReplayCursor = nullptr;
    S.History.ReplayBase = nullptr;
    S.Shell.Mode = mdDraw;
    S.Shell.CurrentTool = toolSelect;
    SetDefaultPen();
    FillWhite(*BGImage.Picture);
    S.Shell.ShownBGName.clear();
    for (auto& image : CutImages)
        FillWhite(*image.Picture);
    for (auto& image : PartsImages)
        FillWhite(*image.Picture);
    S.Cuts.StripOffset = 0;
    S.Cuts.CurrentCut = 1;
    S.Cuts.CutCount = 1;
    PaintBoxPaint();
    S.Shell.CurrentTool = toolMoveFree;
}

void TZindaForm::SetCaptionForFile() {
    Caption = S.Shell.VersionTitle + texts::CaptionSeparator + S.Shell.DataFileName;
}

void TZindaForm::OpenFileByName(const std::string& path) {
    const std::string ext = ExtensionOf(path);
    if (std::find(OpenableExtensions.begin(), OpenableExtensions.end(), ext) ==
        OpenableExtensions.end()) {
        host.ShowMessage(texts::WrongFileFormat);
        return;
    }
    if (S.Shell.Mode == mdWatch) {
        host.ShowMessage(texts::NoLoadWhilePlaying);
        return;
    }
    const bool animation = IsOneOf(ext, {".mrv", ".MRV"});
    if (animation && !S.History.ActionLog.IsEmpty() &&
        host.Ask(texts::ReallyLoadData, texts::ConfirmCaption, TQuestionButtons::YesNo) ==
            TAnswer::No)
        return;

    if (!IsOneOf(ext, {".znd", ".ZND", ".mrv", ".MRV"})) {
        if (LoadBackground(path) == 0) {
            RecordFileAction(akReadBG, path);
            S.Shell.LoadKind = lkImage;
            PaintBoxPaint();
        }
        S.Figures.LastFigureID = std::max<std::int32_t>(1, S.Figures.FigList.Count());
        S.Figures.FigureIDHalf = S.Figures.LastFigureID / 2;
        PaintBoxPaint();
        return;
    }

    bool wasEmpty = S.Figures.FigList.IsEmpty();
    if (animation) {
        wasEmpty = true;
        S.Shell.LoadKind = lkAnimation;
        S.Shell.DataFileName = path;
        SetCaptionForFile();
        ResetDocument();
    } else {
        S.Shell.LoadKind = lkDrawing;
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        host.ShowMessage(texts::DataLoadFailed);
    } else {
        if (S.History.ActionLog.IsEmpty()) {
            S.Figures.FigureIDHalf = 0;
            ResetDocument();
        }
        if (ReadActionFile(file) == 0) {
            if (S.Reader.BGReadState == 1 && S.Shell.LoadKind == lkAnimation) {
                S.Reader.BGReadState = 2;
                ReSpecifyBackground(S.Reader.LastBGAction);
            }
            S.History.ReplayCursor = S.History.ActionLog.GetTail();
            S.Shell.OpeningFolder = FolderOf(path);
            ReplayToCursor();
            S.Shell.OpeningFolder.clear();
        } else if (animation) {
            // A file that could not be read is not the current file: saving over it
            // would replace it with the little that was read.
            S.Shell.DataFileName.clear();
            Caption = S.Shell.VersionTitle;
        }
    }
    FinishDataLoad(wasEmpty);
}

void TZindaForm::FinishDataLoad(bool wasEmpty) {
    S.Figures.LastFigureID = S.Figures.FigList.Count();
    if (S.Shell.LoadKind == lkDrawing) {
        TwinNewFigures(wasEmpty, true);
    } else if (S.Shell.LoadKind == lkAnimation) {
        // An animation whose figures all lie in the bin still has its first cut.
        S.Cuts.CutCount = std::max(1, HighestCutNumberBelow(S.Figures.FigList, FirstPartsSlot, 1));
        S.Shell.CurrentTool = toolMoveFree;
    }
    S.Figures.FigureIDHalf = S.Figures.LastFigureID / 2;
    S.Parts.PartsCount = PartsCountOf(S.Figures.FigList);
    RefreshCutStrip();
    RefreshPartsBin();
    UpdateCutCounter();
    S.Figures.SelectedFig = nullptr;
    PaintBoxPaint();
}

void TZindaForm::WMDropFiles(const std::vector<std::string>& paths) {
    if (!paths.empty()) OpenFileByName(paths.front());
}

} // namespace murva
