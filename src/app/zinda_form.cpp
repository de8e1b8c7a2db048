#include "app/zinda_form.h"

namespace murva {

TZindaForm::TZindaForm(Host& h, Graphics& g)
    : Services(S, *this, h, g), WorkReset(Services, S.Mouse), Pictures(Services), Strip(Services),
      Files(Services, S.Parts, WorkReset, Pictures, Strip), Bin(Services, S.Parts),
      FieldMouse(Services, S.Mouse), Editor(Services), Resizer(Services, S.Mouse, S.Resize),
      Speed(Services, S.Motion), Playback(Services, S.Motion, S.Playback), Gif(Services, Playback),
      host(h), graphics(g) {
    LayOutInitialState();
    // The bars' change events, once the bars have their ranges.
    HTrackBar.OnChange = [this] { TrackBarChange(TAxis::Horizontal); };
    VTrackBar.OnChange = [this] { TrackBarChange(TAxis::Vertical); };
    SpeedBar.OnChange = [this] { SpeedBarChange(); };
    PlayBar.OnChange = [this] { PlayBarChange(); };
    // Construction of the window: it takes dropped files (the front end registers it) and
    // starts in draw mode with the selection tool.
    S.Shell.Mode = TMode::Draw;
    S.Shell.CurrentTool = TTool::Select;
}

TZindaForm::~TZindaForm() = default;

void TZindaForm::LayOutInitialState() {
    Caption = S.Shell.VersionTitle;
    DrawField.Color = clWhite;
    ConfirmPanel.Color = clBlack;
    InputEdit.Visible = false;
    ShowResizeControls(S.Shell.ResizeMode, true);
    MoveFreeBtn.Down = true;
    SameSpeedBtn.Down = true;
    CutCountDownBtn.Enabled = false;
    SelectMakeBtn.Enabled = false;
    SpeedPanel.Visible = false;
    WatchPanel.Visible = false;
    CutSelect.Text = "1/1";
    for (auto& hole : FilmHoles)
        hole.Enabled = false;
    MarkThumbHoles(1);
    for (auto& panel : ImagePanels) {
        panel.Color = clWhite;
        panel.Bevel = TBevel::Raised;
    }
    for (auto& panel : PartsPanels)
        panel.Color = clWhite;

    HTrackBar.SetRange(-99, 100);
    VTrackBar.SetRange(-99, 100);
    SpeedBar.SetRange(-99, 100);
    PlayBar.SetRange(0, S.Motion.PlaySteps);

    BGImage.Picture = graphics.CreateBitmap(FieldWidth, FieldHeight);
    PaintBox.Picture = graphics.CreateBitmap(FieldWidth, FieldHeight);
    Image1.Picture = graphics.CreateBitmap(652, 120);
    for (auto& image : CutImages)
        image.Picture = graphics.CreateBitmap(ThumbWidth, ThumbHeight);
    for (auto& image : PartsImages)
        image.Picture = graphics.CreateBitmap(ThumbWidth, ThumbHeight);
}

} // namespace murva
