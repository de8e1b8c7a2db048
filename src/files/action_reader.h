#pragma once
// Reads an animation or drawing-process file (versions 1.0 to 1.4, either variant) and
// appends its actions to the log. The figure list is not touched: replay rebuilds the
// figures afterwards. A failed read takes back every action it appended.

#include "files/load_kind.h"
#include "files/reader_state.h"
#include "history/action_log.h"

#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace murva {

// What the user is to be told after a read, in order.
enum class TReadNoteKind {
    WrongDataFormat, // the first line is none of the format lines
    LineText,        // a line where a block must begin or end: Text holds it
    ReadError,       // an action block could not be read
    Unreadable,      // the file could not be read at all (a folder, say)
};

struct TReadNote {
    TReadNoteKind Kind;
    std::string Text;
};

struct TReadResult {
    int Result = 0; // 0 success, 1 failure
    std::vector<TReadNote> Messages;
    // The log's tail before the read: the read's actions follow it.
    TActionItem* Base = nullptr;
    // 1, or the largest target id read.
    std::int32_t LastFigureID = 1;
    // The last background action read, when the read kept it; nullptr otherwise.
    TActionItem* BackgroundAction = nullptr;
    // A text or a name was longer than a line of the format holds, and was cut.
    bool TextCut = false;
};

struct TReadContext {
    THistoryList& ActionLog;
    TReaderState& Reader;
    // Every target id read is increased by twice this, or more: past every id and step
    // the log holds.
    std::int32_t PairCount = 0;
    // TLoadKind::Animation: CutNumber and Free lines; TLoadKind::Drawing: none, the figures go into
    // the parts-bin slot after PartsCount with Free 0; other kinds: neither line.
    TLoadKind LoadKind = TLoadKind::Animation;
    std::int32_t PartsCount = 0;
};

TReadResult ReadActionFile(std::istream& file, TReadContext& context);
TReadResult ReadActionText(std::string_view bytes, TReadContext& context);

// Stamps nested deeper than this are refused as a read error: the nesting would
// otherwise be limited only by the stack.
inline constexpr int MaxStampDepth = 1000;

// A line of this format never held more than 254 bytes. A figure's text is read up to
// that many bytes (in CP932, a whole character at the end), so that a huge line cannot
// make painting, filming or saving it slow; the rest is dropped. An offending line is
// shown in a message up to as many, and a file name is read up to the longest path.
inline constexpr std::size_t MaxTextBytes = 254;
inline constexpr std::size_t MaxShownLineBytes = MaxTextBytes;
inline constexpr std::size_t MaxFileNameBytes = 4096;

} // namespace murva
