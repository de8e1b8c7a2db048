#pragma once
// Reading and writing logs in memory for the format tests.

#include "files/action_reader.h"
#include "files/action_writer.h"

#include <fstream>
#include <sstream>
#include <string>

namespace murva::test {

// CR LF line ends for a text written with "\n".
inline std::string Crlf(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\n') out.push_back('\r');
        out.push_back(c);
    }
    return out;
}

inline std::string FixtureBytes(const std::string& name) {
    std::ifstream file(std::string(MURVA_TEST_DATA) + "/" + name, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

// A log and the reader's state beside it.
struct TReadTarget {
    THistoryList Log;
    TReaderState Reader;
    TActionItem* ReplayBase = nullptr;
    std::int32_t LastFigureID = 0;
    std::int32_t PairCount = 0;
    TLoadKind LoadKind = TLoadKind::Animation;
    std::int32_t PartsCount = 0;

    TActionItem* BackgroundAction = nullptr;

    TReadResult Read(const std::string& bytes) {
        TReadContext context{Log, Reader, PairCount, LoadKind, PartsCount};
        std::istringstream file(bytes);
        TReadResult result = ReadActionFile(file, context);
        ReplayBase = result.Base;
        LastFigureID = result.LastFigureID;
        BackgroundAction = result.BackgroundAction;
        return result;
    }
    TActionItem* At(int index) const {
        TActionItem* item = Log.GetFirst();
        while (item && index-- > 0)
            item = item->Next;
        return item;
    }
};

} // namespace murva::test
