#pragma once
// What the reader leaves behind for the loaders.

#include "history/action_data.h"

#include <cstdint>
#include <string>

namespace murva {

struct TReaderState {
    // The first line of the file last read.
    std::string FormatVersionLine;
    // 1 after a ReadBG action, back to 0 after CleareBG or ClearAll; 2 once asked.
    std::int32_t BGReadState = 0;
    // The file name of the most recent ReadData or ReadBG action read.
    std::string LastDataFileName;
};

} // namespace murva
