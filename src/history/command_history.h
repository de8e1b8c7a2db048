#pragma once
// The user commands a log holds, and where its picture stands among them. One command is
// the run of consecutive actions that carry one time stamp (recording gives each command
// its own); a Branch is always a command of its own. A Branch back to the position before
// the last command is "もどす", one forward to the command last taken back is
// "やりなおす"; any other Branch (drawing resumed at an earlier step, as drawing programs
// write it) starts a new line from its step.

#include "history/action_log.h"

#include <cstdint>
#include <vector>

namespace murva {

struct TCommandHistory {
    // The log position after each command of the line that leads to the picture; the
    // first is 0, the empty picture. The picture is that of the last.
    std::vector<std::int32_t> Done{0};
    // The positions that "やりなおす" brings back, the next one last.
    std::vector<std::int32_t> Undone;
    // Where each command of the log ends, in log order.
    std::vector<std::int32_t> Ends;
};

TCommandHistory CommandsOf(const THistoryList& log);

// Whether a is earlier than b.
bool operator<(const TActionTime& a, const TActionTime& b);

// The stamp a hundredth of a second later (carried up to the hour; a day's end wraps,
// which still differs).
TActionTime OneHundredthLater(TActionTime time);

} // namespace murva
