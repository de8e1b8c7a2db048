#pragma once
// Small builders for logs used by the history tests; figures come from figure_builders.h.

#include "history/history_state.h"
#include "model/figure_state.h"
#include "support/figure_builders.h"

namespace murva::test {

inline TActionItem* Append(THistoryList& log, TActionKind kind, std::int32_t id,
                           const TFigData* figure = nullptr) {
    TActionItem* item = figure ? log.AppendWithFigure(*figure) : log.AppendEmpty();
    item->Data.TargetType = kind;
    item->Data.TargetID = id;
    return item;
}

} // namespace murva::test
