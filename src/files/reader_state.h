#pragma once
// What the reader leaves behind for the loaders.

#include "history/action_data.h"

#include <cstdint>
#include <string>

namespace murva {

enum class TBackgroundRead { None, Read, Offered };

struct TReaderState {
    // The first line of the file last read.
    std::string FormatVersionLine;
    // Read after a ReadBG action, back to None after CleareBG or ClearAll; Offered once
    // the user was asked about it.
    TBackgroundRead BGReadState = TBackgroundRead::None;
    // The file name of the most recent ReadData or ReadBG action read.
    std::string LastDataFileName;
};

} // namespace murva
