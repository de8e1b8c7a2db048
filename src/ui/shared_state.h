#pragma once
// The state every command reads or writes: the figures, the log, what the reader left,
// the window's state and which cut it shows. Each subsystem keeps the rest of its state
// itself; the form's AppState holds both.

#include "files/load_kind.h"
#include "files/reader_state.h"
#include "history/document.h"
#include "ui/host.h"
#include "ui/modes.h"
#include "ui/texts.h"

#include <algorithm>
#include <cstdint>
#include <string>

namespace murva {

struct TShellState {
    std::string VersionTitle = texts::VersionTitle;
    std::string DataFileName;
    // Texts of that file were longer than a line of the format holds and were cut when it
    // was read: saving over it asks first.
    bool DataFileCut = false;
    TMode Mode = TMode::Draw;
    TMotionTool CurrentTool = TMotionTool::Select;
    TLoadKind LoadKind = TLoadKind::Animation;
    // The colour picked in the palette for recolouring, or NoFillColor.
    TColor PickedColor = clBlack;
    TResizeMode ResizeMode = TResizeMode::KeepShape;
    // The background picture now shown; empty = none.
    std::string ShownBGName;
    // The background the log names that is missing or could not be read; empty = none.
    std::string MissingBGName;
    // The log as the work was last saved or opened: beyond it, the work is unsaved.
    TLogMark SavedLog;

    // A file dialog with the filter, opening in the current file's folder; without a
    // current file, the host opens it where the last file was chosen.
    TFileDialog Dialog(const char* filter) const;
    // The same to save the animation or a picture, film or storyboard of it: it suggests
    // the animation's name, or "アニメ1" in the host's words before it has one, with the
    // extension (which has no dot), added also to a name chosen without one. Without a
    // current file the host opens it in the folder for saved work.
    TFileDialog SaveDialog(const char* filter, const char* extension, Host& host) const;
};

struct TCutState {
    std::int32_t CurrentCut = 1;
    std::int32_t CutCount = 1;
    // Thumbnail k (1..5) of the strip shows cut StripOffset + k.
    std::int32_t StripOffset = 0;
    // A thumbnail that the next selection takes whatever was clicked; 0 = none. It starts
    // at none, so the first click on the strip is like every later one.
    std::int32_t PendingThumb = 0;

    // The strip scrolled as little as it takes to show the current cut.
    void KeepCurrentOnStrip() {
        StripOffset = std::max(0, std::clamp(StripOffset, CurrentCut - 5, CurrentCut - 1));
    }
};

struct TSharedState {
    TShellState Shell;
    TDocument Doc;
    TReaderState Reader;
    TCutState Cuts;
};

} // namespace murva
