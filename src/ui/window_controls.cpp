#include "ui/window_controls.h"

#include "ui/texts.h"

#include <cstdio>

namespace murva {

namespace {

void Name(TControl& control, const char* name, const char* caption = "", const char* hint = "") {
    control.Name = name;
    control.Caption = caption;
    control.Hint = hint;
}

std::string Numbered(const char* prefix, int n, int width = 1) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%s%0*d", prefix, width, n);
    return buffer;
}

} // namespace

TWindowControls::TWindowControls() {
    NameControls();
    for (std::size_t i = 0; i < ColorPanels.size(); ++i)
        ColorPanels[i].Color = PaletteColors[i];
}

void TWindowControls::NameControls() {
    namespace t = texts;
    Name(DrawField, "DrawField");
    Name(BGImage, "BGImage");
    Name(PaintBox, "PaintBox");
    Name(InputEdit, "InputEdit");
    Name(ColorBasePanel, "ColorBasePanel");
    Name(ClearPanel, "ClearPanel", "", t::ClearPanelHint);
    Name(ConfirmPanel, "ConfirmPanel", "", t::ColorChosenHint);
    for (int i = 0; i < 16; ++i)
        ColorPanels[i].Name = Numbered("ColorPanel", i + 1, 2);
    Name(HTrackBar, "HTrackBar");
    Name(VTrackBar, "VTrackBar", "", t::VTrackBarHint);
    Name(VBarLargeLabel, "Panel1", t::Large);
    Name(HBarLargeLabel, "Panel2", t::Large);
    Name(HBarSmallLabel, "Panel3", t::Small);
    Name(VBarSmallLabel, "Panel4", t::Small);
    Name(HBarRightLabel, "Panel5", t::Right);
    Name(HBarLeftLabel, "Panel91", t::Left);
    Name(VBarDownLabel, "Panel92", t::Down);
    Name(VBarUpLabel, "Panel93", t::Up);
    Name(KeepShapeBtn, "KeepShapeBtn", "", t::KeepShapeHint);
    Name(AllChangeBtn, "AllChangeBtn", "", t::AllChangeHint);
    Name(DRChangeBtn, "DRChangeBtn", "", t::DRChangeHint);
    Name(HVChangeBtn, "HVChangeBtn", "", t::HVChangeHint);
    Name(ULChangeBtn, "ULChangeBtn", "", t::ULChangeHint);
    Name(ObjectPanel, "ObjectPanel", t::ObjectPanel);
    Name(DeleteBtn, "DeleteBtn", "", t::DeleteHint);
    Name(DupBtn, "DupBtn", "", t::DuplicateHint);
    Name(RestoreBtn, "RestoreBtn", "", t::RestoreHint);
    Name(FrontBtn, "FrontBtn", "", t::FrontHint);
    Name(BackBtn, "BackBtn", "", t::BackHint);
    Name(BodyColorBtn, "BodyColorBtn", "", t::BodyColorHint);
    Name(LineColorBtn, "LineColorBtn", "", t::LineColorHint);
    Name(MovePanel, "MovePanel", t::MovePanel);
    Name(MoveLineBtn, "MoveLineBtn", "", t::MoveLineHint);
    Name(MoveFreeBtn, "MoveFreeBtn", "", t::MoveFreeHint);
    Name(SameSpeedBtn, "SameSpeedBtn", t::SameSpeed);
    Name(FastSpeedBtn, "FastSpeedBtn", t::FastSpeed);
    Name(SlowSpeedBtn, "SlowSpeedBtn", t::SlowSpeed);
    Name(CutPanel, "CutPanel", t::CutPanel);
    Name(CutDelete, "CutDelete", "", t::CutDeleteHint);
    Name(CutMake, "CutMake", "", t::CutMakeHint);
    Name(CutCarryOver, "CutCarryOver", "", t::CutCarryOverHint);
    Name(PartsBox, "GroupBox3", t::PartsPanel);
    const int partsPanelNumbers[5] = {10, 9, 8, 7, 6};
    const int removeButtonNumbers[5] = {18, 10, 22, 23, 24};
    for (int i = 0; i < 5; ++i) {
        PartsImages[i].Name = Numbered("PartsImage", i + 1);
        PartsPanels[i].Name = Numbered("Panel", partsPanelNumbers[i]);
        PartsMoveBtns[i].Name = Numbered("PartsMoveBtr", i + 1);
        PartsMoveBtns[i].Hint = t::PartsUseHint;
        PartsRemoveBtns[i].Name = Numbered("SpeedButton", removeButtonNumbers[i]);
        PartsRemoveBtns[i].Hint = t::PartsRemoveHint;
        CutImages[i].Name = Numbered("CutImage", i + 1);
        ImagePanels[i].Name = Numbered("ImagePanel", i + 1);
    }
    Name(FilmBand, "Image1");
    for (int i = 0; i < 80; ++i)
        FilmHoles[i].Name = Numbered("Panel", 11 + i);
    Name(CutCountDownBtn, "CutCountDownBtn", t::CutDown, t::CutDownHint);
    Name(CutCountUpBtn, "CutCountUpBtn", t::CutUp, t::CutUpHint);
    Name(CutDisplayPanel, "CutDisplayPanel", t::CutDisplay);
    Name(CutSelect, "CutSelect");
    Name(SelectMakeBtn, "SelectMakeBtn", t::MakeButton);
    Name(SelectMoveBtn, "SelectMoveBtn", t::WatchButton);
    Name(SpeedPanel, "SpeedPanel", t::SpeedPanel);
    Name(SpeedBar, "SpeedBar");
    Name(FastBtn, "FastBtn", t::Fast);
    Name(SpeedBtn, "SpeedBtn", t::Normal);
    Name(SlowBtn, "SlowBtn", t::Slow);
    Name(WatchPanel, "WatchPanel");
    Name(UndoBtn, "UndoBtn", "", t::UndoHint);
    Name(RedoBtn, "RedoBtn", "", t::RedoHint);
    Name(MakingBtn, "MakingBtn", "", t::MakingHint);
    Name(DrawBtn, "DrawBtn", "", t::DrawHint);
    Name(PlayButton, "PlayButton");
    Name(AllPlayButton, "AllPlayButton");
    Name(PlayBar, "PlayBar");
}

std::array<TControl*, 12> TWindowControls::HolesOfThumb(int k) {
    // Thumbnail k owns Panel(7k+7)..Panel(7k+12) above and the panels 40 further below.
    std::array<TControl*, 12> holes{};
    for (int i = 0; i < 6; ++i) {
        int upper = 7 * k + 7 + i; // Panel number
        holes[i] = &FilmHoles[upper - 11];
        holes[6 + i] = &FilmHoles[upper + 40 - 11];
    }
    return holes;
}

void TWindowControls::MarkThumbHoles(int k) {
    for (auto& hole : FilmHoles)
        hole.Color = clWhite;
    if (k >= 1 && k <= 5)
        for (TControl* hole : HolesOfThumb(k))
            hole->Color = clRed;
}

std::vector<TControl*> TWindowControls::AllControls() {
    std::vector<TControl*> all = {
        &DrawField,      &BGImage,        &PaintBox,        &InputEdit,      &ColorBasePanel,
        &ClearPanel,     &ConfirmPanel,   &HTrackBar,       &VTrackBar,      &VBarLargeLabel,
        &HBarLargeLabel, &HBarSmallLabel, &VBarSmallLabel,  &HBarRightLabel, &HBarLeftLabel,
        &VBarDownLabel,  &VBarUpLabel,    &KeepShapeBtn,    &AllChangeBtn,   &DRChangeBtn,
        &HVChangeBtn,    &ULChangeBtn,    &ObjectPanel,     &DeleteBtn,      &DupBtn,
        &RestoreBtn,     &FrontBtn,       &BackBtn,         &BodyColorBtn,   &LineColorBtn,
        &MovePanel,      &MoveLineBtn,    &MoveFreeBtn,     &SameSpeedBtn,   &FastSpeedBtn,
        &SlowSpeedBtn,   &CutPanel,       &CutDelete,       &CutMake,        &CutCarryOver,
        &PartsBox,       &FilmBand,       &CutCountDownBtn, &CutCountUpBtn,  &CutDisplayPanel,
        &CutSelect,      &SelectMakeBtn,  &SelectMoveBtn,   &SpeedPanel,     &SpeedBar,
        &FastBtn,        &SpeedBtn,       &SlowBtn,         &WatchPanel,     &PlayButton,
        &AllPlayButton,  &PlayBar,        &UndoBtn,         &RedoBtn,        &MakingBtn,
        &DrawBtn};
    for (auto& c : ColorPanels)
        all.push_back(&c);
    for (int i = 0; i < 5; ++i) {
        for (TControl* c : {static_cast<TControl*>(&CutImages[i]), &ImagePanels[i],
                            static_cast<TControl*>(&PartsImages[i]), &PartsPanels[i],
                            static_cast<TControl*>(&PartsMoveBtns[i]),
                            static_cast<TControl*>(&PartsRemoveBtns[i])})
            all.push_back(c);
    }
    for (auto& hole : FilmHoles)
        all.push_back(&hole);
    return all;
}

void TWindowControls::ShowResizeControls(TResizeMode mode, bool shown) {
    KeepShapeBtn.Visible = shown && mode == TResizeMode::KeepShape;
    HVChangeBtn.Visible = shown && mode == TResizeMode::Separately;
    AllChangeBtn.Visible = shown && mode == TResizeMode::Together;
    DRChangeBtn.Visible = shown && mode == TResizeMode::BottomRight;
    ULChangeBtn.Visible = shown && mode == TResizeMode::TopLeft;
    const bool sides = mode == TResizeMode::BottomRight || mode == TResizeMode::TopLeft;
    for (TControl* label : {&VBarLargeLabel, &HBarLargeLabel, &HBarSmallLabel, &VBarSmallLabel})
        label->Visible = shown && !sides;
    for (TControl* label : {&HBarLeftLabel, &VBarDownLabel, &VBarUpLabel, &HBarRightLabel})
        label->Visible = shown && sides;
}

} // namespace murva
