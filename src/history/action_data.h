#pragma once
// One recorded action of the action log.

#include "model/fig_data.h"
#include "model/fig_list.h"

#include <cstdint>
#include <string>

namespace murva {

using TActionKind = std::uint8_t;
constexpr TActionKind akCreate = 0;
constexpr TActionKind akSetStamp = 1;
constexpr TActionKind akMove = 2;
constexpr TActionKind akDuplicate = 3;
constexpr TActionKind akDelete = 4;
constexpr TActionKind akRestore = 5;
constexpr TActionKind akFront = 6;
constexpr TActionKind akBack = 7;
constexpr TActionKind akChange = 8;
constexpr TActionKind akReadData = 9;
constexpr TActionKind akReadBG = 10;
constexpr TActionKind akClearBG = 11;
constexpr TActionKind akClearDrawing = 12;
constexpr TActionKind akClearAll = 13;
constexpr TActionKind akBranch = 14;
constexpr TActionKind akNone = 15;

using TChangeParameter = std::uint8_t;
constexpr TChangeParameter cpSize = 0;
constexpr TChangeParameter cpBodyColor = 1;
constexpr TChangeParameter cpLineWidth = 2;
constexpr TChangeParameter cpLineColor = 3;
constexpr TChangeParameter cpText = 4;
constexpr TChangeParameter cpTextColor = 5;
constexpr TChangeParameter cpNone = 6;

// Kinds that carry a target id in files and in recording.
constexpr bool HasTargetID(TActionKind kind) {
    switch (kind) {
    case akCreate:
    case akMove:
    case akDuplicate:
    case akDelete:
    case akRestore:
    case akFront:
    case akBack:
    case akChange:
    case akBranch:
        return true;
    default:
        return false;
    }
}
// Kinds that carry a whole figure record.
constexpr bool HasFigure(TActionKind kind) {
    return kind == akCreate || kind == akMove || kind == akDuplicate || kind == akRestore;
}
// Kinds that carry a file name.
constexpr bool HasFileName(TActionKind kind) {
    return kind == akReadData || kind == akReadBG;
}
// Kinds whose action makes a new figure that later actions refer to.
constexpr bool IsCreatingKind(TActionKind kind) {
    return kind == akCreate || kind == akDuplicate || kind == akRestore;
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
    TActionKind TargetType = akNone;
    std::int32_t TargetID = 0;
    TChangeParameter Parameter = cpNone;
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
