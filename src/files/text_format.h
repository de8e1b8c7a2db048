#pragma once
// The words and value texts of the animation and drawing-process file format, shared by
// the reader and the writer: kind, parameter and tool words, colour text, the time line
// and the integer scans.

#include "history/action_data.h"
#include "model/geometry.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace murva {

// The first line the writer writes.
inline constexpr std::string_view CurrentFormatLine = "ZINDA FILE FORMAT 1.4";
// Only this version has the MarkInformation and EndCopyMark lines.
inline constexpr std::string_view MarkedFormatLine = "ZINDA FILE FORMAT 1.4";
// One of the format lines of versions 1.0 to 1.4, compared over the whole line.
bool IsKnownFormatLine(std::string_view line);

// "Unknown" for a code outside 0..14.
std::string_view ActionKindWord(TActionKind kind);
// The kind of one of the fifteen words, letter case included; "Unknown" is not one.
std::optional<TActionKind> ActionKindFromWord(std::string_view word);

// "Unknown" for a code outside 0..5.
std::string_view ParameterWord(TChangeParameter parameter);
std::optional<TChangeParameter> ParameterFromWord(std::string_view word);

// Empty for a code outside 1..8: such a figure gets no tool line.
std::string_view ToolWord(TDrawingTool tool);
std::optional<TDrawingTool> ToolFromWord(std::string_view word);

// A named colour (system colours included) as its name, any other as "$" and eight
// upper-case hexadecimal digits.
std::string ColorToText(TColor color);
// A name in any letter case, a decimal integer (negative ones as 32-bit two's
// complement) or "$" hexadecimal; nothing for any other text.
std::optional<TColor> ColorFromText(std::string_view text);

// "yyyy mm dd hh mm ss cc".
std::string ActionTimeText(const TActionTime& time);
// A 22-character line is the full date and time; any other length is the time alone
// (hh mm ss cc), the date left 0. Fields are taken by fixed columns.
TActionTime ActionTimeFromText(std::string_view line);

// As "%d" scans: leading white space, an optional sign, digits. Nothing when there is
// no number; a value beyond 32 bits is clamped.
std::optional<std::int32_t> ScanInt(std::string_view line);
// As "%d %d" scans: a missing coordinate stays 0.
TPoint ScanPoint(std::string_view line);

// The drawing tool that decides the extra block of a Size change, as a file holds it:
// only actions whose block carries a whole figure have one.
constexpr TDrawingTool SizeChangeTool(const TActionData& first) {
    return HasFigure(first.TargetType) ? first.FigData.DrawingTool : TDrawingTool::None;
}

// The first action of a log for each target id, kept while the log is walked from its
// head, so a Size change finds its figure's kind without walking the log again.
class TFirstActionIndex {
public:
    // Keeps the item unless an earlier one has the same target id. Only actions that
    // name a figure count: a Branch's number is a step, and other kinds carry none.
    void Note(const TActionItem* item) {
        const TActionKind kind = item->Data.TargetType;
        if (NamesFigure(kind)) First.try_emplace(item->Data.TargetID, item);
    }
    const TActionItem* Find(std::int32_t targetID) const {
        auto found = First.find(targetID);
        return found == First.end() ? nullptr : found->second;
    }

private:
    std::unordered_map<std::int32_t, const TActionItem*> First;
};

} // namespace murva
