#pragma once
// Writes the action log as an animation file (the newest format, with CutNumber, Free
// and free-move paths): the format line, then one block per action in log order.
// Lines end in CR LF; texts and file names are CP932.

#include "history/action_log.h"

#include <string>

namespace murva {

std::string WriteActionFile(const THistoryList& log);

} // namespace murva
