#pragma once
// All application-wide state, grouped by the subsystem that owns each part. The form
// owns one; every test starts from a fresh one.

#include "anim/anim_state.h"
#include "app/texts.h"
#include "edit/mouse_state.h"
#include "files/reader_state.h"
#include "history/history_state.h"
#include "model/figure_state.h"

#include <cstdint>
#include <string>

namespace murva {

struct TImageControl;

using TMode = std::uint8_t;
constexpr TMode mdDraw = 0;
constexpr TMode mdEdit = 1;
constexpr TMode mdWatch = 2;

// Tool codes; figure kinds use the same code space.
constexpr std::uint8_t toolSelect = 0;
constexpr std::uint8_t toolMoveLine = 11;
constexpr std::uint8_t toolMoveFree = 12;

// Kind of the last file opened.
constexpr std::int32_t lkAnimation = 0;
constexpr std::int32_t lkDrawing = 1;
constexpr std::int32_t lkImage = -1;
constexpr std::int32_t lkStampChildren = -10;

struct TShellState {
    std::string VersionTitle = texts::VersionTitle;
    std::string DataFileName;
    TMode Mode = mdDraw;
    std::uint8_t CurrentTool = toolSelect;
    std::int32_t LoadKind = lkAnimation;
    std::int32_t ResizeMode = 2;
    // The background picture now shown; empty = none.
    std::string ShownBGName;
    // The folder of the file being opened, where a moved background is looked for.
    std::string OpeningFolder;
};

struct TPaintState {
    // Figures visited by the main pass of the current repaint (the ghost rule).
    std::int32_t PaintIndex = 0;
    // The thumbnail image a thumbnail is painted into.
    TImageControl* CurrentCutImage = nullptr;
};

struct AppState {
    TShellState Shell;
    TFigureState Figures;
    THistoryState History;
    TReaderState Reader;
    TPaintState Paint;
    TMouseState Mouse;
    TCutState Cuts;
    TPartsState Parts;
    TMotionState Motion;
    TPlaybackState Playback;
};

} // namespace murva
