#pragma once
// Small builders for logs and figures used by the history tests.

#include "history/history_state.h"
#include "model/figure_state.h"

namespace murva::test {

inline TFigData MakeRect(int x1, int y1, int x2, int y2, int cut = 1) {
    TFigData d;
    d.DrawingTool = dtRectangle;
    d.Start = {x1, y1};
    d.End = {x2, y2};
    d.CutNumber = cut;
    d.PenWidth = 1;
    return d;
}

inline TFigData MakePolyline(std::initializer_list<TPoint> points, TDrawingTool tool = dtPolyline) {
    TFigData d;
    d.DrawingTool = tool;
    d.PointData = std::make_shared<TPointData>();
    for (auto p : points)
        d.PointData->AddTracked(p.x, p.y);
    d.BoundsToStartEnd();
    d.CutNumber = 1;
    return d;
}

inline TActionItem* Append(THistoryList& log, TActionKind kind, std::int32_t id,
                           const TFigData* figure = nullptr) {
    TActionItem* item = figure ? log.AppendWithFigure(*figure) : log.AppendEmpty();
    item->Data.TargetType = kind;
    item->Data.TargetID = id;
    return item;
}

} // namespace murva::test
