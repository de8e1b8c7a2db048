#pragma once
// Small builders for figures, and a compact view of a list's order, shared by tests.

#include "model/figure_state.h"
#include "support/document_access.h"

#include <initializer_list>
#include <vector>

namespace murva::test {

inline TFigData MakeRect(int x1, int y1, int x2, int y2, int cut = 1) {
    TFigData d;
    d.DrawingTool = TDrawingTool::Rectangle;
    d.Start = {x1, y1};
    d.End = {x2, y2};
    d.CutNumber = cut;
    d.PenWidth = 1;
    return d;
}

inline TFigData MakePolyline(std::initializer_list<TPoint> points,
                             TDrawingTool tool = TDrawingTool::Polyline) {
    TFigData d;
    d.DrawingTool = tool;
    d.PointData = std::make_shared<TPointData>();
    for (auto p : points)
        d.PointData->AddTracked(p.x, p.y);
    d.BoundsToStartEnd();
    d.CutNumber = 1;
    return d;
}

// One more start/end pair: the start copy at the end of the start half, the end copy at
// the end of the list. Returns the start copy.
inline TFigItem* AddPair(TFigureState& figures, const TFigData& start, const TFigData& end) {
    TFigItem* s = figures.FigList.Add(start);
    for (std::int32_t k = 0; k < figures.PairCount; ++k)
        figures.FigList.MoveBack(s);
    figures.FigList.Add(end);
    ++figures.PairCount;
    figures.FigureCount = figures.FigList.Count();
    return s;
}

// The x of each figure's Start, in list order: enough to see the order of a list.
inline std::vector<int> StartXs(const TFigList& list) {
    std::vector<int> xs;
    for (auto* item = list.GetFirst(); item; item = item->Next)
        xs.push_back(item->Data.Start.x);
    return xs;
}

} // namespace murva::test
