#pragma once
// The window as plain data: every named control, the field-sized picture behind the
// paint box, and the caption. Handlers read and write these; the front end shows them.

#include "model/canvas.h"
#include "ui/controls.h"
#include "ui/modes.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace murva {

// The palette the user picks colours from: ColorPanel01..ColorPanel16, and the drawing
// window's colours.
inline constexpr std::array<TColor, 16> PaletteColors = {
    RGBColor(255, 255, 255), RGBColor(255, 105, 180), RGBColor(255, 0, 0),
    RGBColor(208, 0, 0),     RGBColor(128, 0, 0),     RGBColor(135, 206, 235),
    RGBColor(0, 0, 255),     RGBColor(128, 0, 128),   RGBColor(255, 255, 0),
    RGBColor(255, 165, 0),   RGBColor(0, 255, 0),     RGBColor(0, 160, 0),
    RGBColor(0, 102, 102),   RGBColor(192, 192, 192), RGBColor(128, 128, 128),
    RGBColor(0, 0, 0)};

class TWindowControls {
public:
    static constexpr std::int32_t FieldWidth = 640;
    static constexpr std::int32_t FieldHeight = 480;
    static constexpr std::int32_t ThumbWidth = 100;
    static constexpr std::int32_t ThumbHeight = 75;

    TWindowControls();
    TWindowControls(const TWindowControls&) = delete;
    TWindowControls& operator=(const TWindowControls&) = delete;

    std::string Caption;
    TControl DrawField, ColorBasePanel, ClearPanel, ConfirmPanel;
    std::array<TControl, 16> ColorPanels; // ColorPanel01..ColorPanel16
    TImageControl BGImage, PaintBox, FilmBand;
    std::array<TImageControl, 5> CutImages;   // CutImage1..CutImage5
    std::array<TImageControl, 5> PartsImages; // PartsImage1..PartsImage5
    std::array<TControl, 5> ImagePanels;      // ImagePanel1..ImagePanel5
    std::array<TControl, 5> PartsPanels;      // Panel10, Panel9, Panel8, Panel7, Panel6
    std::array<TControl, 80> FilmHoles;       // Panel11..Panel90
    TEditControl InputEdit, CutSelect;
    TTrackBar HTrackBar, VTrackBar, PlayBar, SpeedBar;
    TControl VBarLargeLabel, HBarLargeLabel, HBarSmallLabel, VBarSmallLabel, HBarRightLabel,
        HBarLeftLabel, VBarDownLabel, VBarUpLabel;
    TButtonControl KeepShapeBtn, AllChangeBtn, DRChangeBtn, HVChangeBtn, ULChangeBtn;
    TControl ObjectPanel, MovePanel, CutPanel, PartsBox, SpeedPanel, WatchPanel;
    TButtonControl DeleteBtn, DupBtn, RestoreBtn, FrontBtn, BackBtn;
    TButtonControl BodyColorBtn, LineColorBtn;
    TButtonControl MoveLineBtn, MoveFreeBtn, SameSpeedBtn, FastSpeedBtn, SlowSpeedBtn;
    TButtonControl CutDelete, CutMake, CutCarryOver;
    std::array<TButtonControl, 5> PartsMoveBtns;   // PartsMoveBtr1..PartsMoveBtr5
    std::array<TButtonControl, 5> PartsRemoveBtns; // SpeedButton18, 10, 22, 23, 24
    TButtonControl CutCountDownBtn, CutCountUpBtn;
    TControl CutDisplayPanel;
    TButtonControl SelectMakeBtn, SelectMoveBtn;
    TButtonControl UndoBtn, RedoBtn, MakingBtn, DrawBtn;
    TButtonControl FastBtn, SpeedBtn, SlowBtn, PlayButton, AllPlayButton;

    // The two motion tools, and the three speed profiles.
    TButtonGroup MotionTools{&MoveLineBtn, &MoveFreeBtn};
    TButtonGroup SpeedProfiles{&SameSpeedBtn, &FastSpeedBtn, &SlowSpeedBtn};

    // Every named control, for the front end and for tests.
    std::vector<TControl*> AllControls();
    // The holes of film-strip thumbnail k (1..5): six above, six below.
    std::array<TControl*, 12> HolesOfThumb(int k);
    // The holes of thumbnail k red and all other holes of the strip white; 0 for none.
    void MarkThumbHoles(int k);
    // The face of the resize-mode button for the mode (1..4) and the labels of the size
    // bars: "大"/"小" while both edges move, the sides while one stays; none when hidden.
    void ShowResizeControls(TResizeMode mode, bool shown);

    // The off-screen picture of the drawing field.
    std::unique_ptr<Bitmap> CanvasBitmap;

private:
    void NameControls();
};

} // namespace murva
