#include "app/zinda_form.h"

#include "ui/action_clock.h"

namespace murva {

TZindaForm::TZindaForm(Host& h, Graphics& g)
    : Painter(S, *this, h, g), WorkReset(S.Doc, S.Shell, S.Cuts, *this, h, Painter, S.Mouse),
      Pictures(S.Doc, S.Shell, *this, h, Painter, g),
      Strip(S.Doc, S.Shell, S.Cuts, *this, h, Painter),
      Files(S.Doc, S.Shell, S.Cuts, S.Reader, h, Painter, S.Parts, WorkReset, Pictures),
      Bin(S.Doc, S.Cuts, Painter, S.Parts),
      FieldMouse(S.Doc, S.Shell, S.Cuts, *this, h, Painter, S.Mouse, Resizer),
      Editor(S.Doc, S.Shell, S.Cuts, *this, S.Mouse, h, Painter),
      Resizer(S.Doc, S.Shell, *this, h, Painter, S.Resize), Speed(*this, S.Motion, Painter),
      Playback(S.Doc, S.Shell, S.Cuts, *this, h, Painter, S.Motion, S.Playback),
      Making(S.Doc, S.Cuts, *this, h, Painter, S.Motion, S.Playback, Playback),
      Films(S.Doc, S.Shell, S.Cuts, *this, h, Playback, Making, g),
      Storyboard(S.Doc, S.Shell, S.Cuts, h, Playback, g),
      History(S.Doc, S.Shell, S.Cuts, S.Parts, Pictures, Painter),
      Recovery(S.Doc, S.Shell, h, Files, Drawing), Drawing(S.Doc, S.Shell, h, g, Files), host(h),
      graphics(g) {
    S.Doc.Clock = [&h] { return ActionTimeOf(h.Now()); };
    LayOutInitialState();
    // The bars' change events, once the bars have their ranges.
    HTrackBar.OnChange = [this] { TrackBarChange(TAxis::Horizontal); };
    VTrackBar.OnChange = [this] { TrackBarChange(TAxis::Vertical); };
    SpeedBar.OnChange = [this] { SpeedBarChange(); };
    PlayBar.OnChange = [this] { PlayBarChange(); };
    // Construction of the window: it takes dropped files (the front end registers it) and
    // starts in draw mode with the selection tool.
    S.Shell.Mode = TMode::Draw;
    S.Shell.CurrentTool = TMotionTool::Select;
    ShowState();
}

TZindaForm::~TZindaForm() = default;

void TZindaForm::LayOutInitialState() {
    DrawField.Color = clWhite;
    InputEdit.Visible = false;
    SameSpeedBtn.Down = true;
    for (auto& hole : FilmHoles)
        hole.Enabled = false;
    for (auto& panel : ImagePanels)
        panel.Color = clWhite;
    for (auto& panel : PartsPanels)
        panel.Color = clWhite;

    HTrackBar.SetRange(-99, 100);
    VTrackBar.SetRange(-99, 100);
    SpeedBar.SetRange(-99, 100);
    PlayBar.SetRange(0, S.Motion.PlaySteps);

    BGImage.Picture = graphics.CreateBitmap(FieldWidth, FieldHeight);
    PaintBox.Picture = graphics.CreateBitmap(FieldWidth, FieldHeight);
    FilmBand.Picture = graphics.CreateBitmap(652, 120);
    for (auto& image : CutImages)
        image.Picture = graphics.CreateBitmap(ThumbWidth, ThumbHeight);
    for (auto& image : PartsImages)
        image.Picture = graphics.CreateBitmap(ThumbWidth, ThumbHeight);
}

} // namespace murva
