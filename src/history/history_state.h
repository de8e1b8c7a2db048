#pragma once
// The action log and what recording and replay keep beside it.

#include "history/action_log.h"

#include <string>

namespace murva {

struct THistoryState {
    THistoryList ActionLog;
    // A size change of PendingFigData is held open and not yet in the log.
    bool ActionPending = false;
    TFigData* PendingFigData = nullptr;
    // The figure as it was when the change was opened: whatever differs from it then is
    // recorded.
    TFigData PendingBefore;
    // The stamp of the command that opened it: the change is a command of its own.
    TActionTime PendingStamp;
    // The background named by the last background action of the picture.
    std::string Background;
};

} // namespace murva
