#pragma once
// One recorded action of the action log.

#include "model/fig_data.h"
#include "model/fig_list.h"

#include <cstdint>
#include <string>

namespace murva {

// Kinds of actions; the numbers are those of the format.
enum class TActionKind : std::uint8_t {
    Create,
    SetStamp,
    Move,
    Duplicate,
    Delete,
    Restore,
    Front,
    Back,
    Change,
    ReadData,
    ReadBG,
    ClearBG,
    ClearDrawing,
    ClearAll,
    Branch,
    None
};

// What a Change action changes.
enum class TChangeParameter : std::uint8_t {
    Size,
    BodyColor,
    LineWidth,
    LineColor,
    Text,
    TextColor,
    None
};

// Kinds that carry a target id in files and in recording.
constexpr bool HasTargetID(TActionKind kind) {
    switch (kind) {
    case TActionKind::Create:
    case TActionKind::Move:
    case TActionKind::Duplicate:
    case TActionKind::Delete:
    case TActionKind::Restore:
    case TActionKind::Front:
    case TActionKind::Back:
    case TActionKind::Change:
    case TActionKind::Branch:
        return true;
    default:
        return false;
    }
}
// Kinds whose target id names a figure (a Branch's names a step).
constexpr bool NamesFigure(TActionKind kind) {
    return HasTargetID(kind) && kind != TActionKind::Branch;
}
// Kinds that carry a whole figure record.
constexpr bool HasFigure(TActionKind kind) {
    return kind == TActionKind::Create || kind == TActionKind::Move ||
           kind == TActionKind::Duplicate || kind == TActionKind::Restore;
}
// Kinds that carry a file name.
constexpr bool HasFileName(TActionKind kind) {
    return kind == TActionKind::ReadData || kind == TActionKind::ReadBG;
}
// Kinds whose action makes a new figure that later actions refer to.
constexpr bool IsCreatingKind(TActionKind kind) {
    return kind == TActionKind::Create || kind == TActionKind::Duplicate ||
           kind == TActionKind::Restore;
}

struct TActionTime {
    std::int32_t Year = 0;
    std::uint8_t Day = 0;
    std::uint8_t Month = 0;
    std::uint8_t Minute = 0;
    std::uint8_t Hour = 0;
    std::uint8_t Hundredths = 0;
    std::uint8_t Second = 0;
    friend bool operator==(const TActionTime&, const TActionTime&) = default;
};

struct TActionData {
    TActionTime ActionTime;
    std::int32_t MarkInformation = 0;
    TActionKind TargetType = TActionKind::None;
    std::int32_t TargetID = 0;
    TChangeParameter Parameter = TChangeParameter::None;
    std::string FileName;
    // The figure as it was recorded; owns its own points and stamp children.
    TFigData FigData;
    // The live figure this action refers to; never stored. Set through the log's Link.
    TFigData* TargetFigData = nullptr;
    // The live item replay made for this action; never stored. Set through Link.
    TFigItem* TargetFigItem = nullptr;
};

struct TActionItem {
    TActionItem* Prev = nullptr;
    TActionItem* Next = nullptr;
    // 1 for the first action of the log, and so on; 0 for the head.
    std::int32_t Position = 0;
    TActionData Data;
};

} // namespace murva
