#pragma once
// A window in the making state holding start/end pairs of rectangles in cut 1, for the
// editing tests.

#include "support/document_access.h"
#include "support/figure_builders.h"
#include "support/form_fixture.h"

#include <vector>

namespace murva::test {

struct EditTest : FormTest {
    // One pair per box: the start copies first, then the end copies, in the same order.
    void AddPairs(const std::vector<TRect>& boxes, std::int32_t cut = 1) {
        TFigureState& figures = test::Figures(form.S.Doc);
        for (int copy = 0; copy < 2; ++copy)
            for (const TRect& b : boxes)
                figures.FigList.Add(MakeRect(b.Left, b.Top, b.Right, b.Bottom, cut));
        figures.PairCount = static_cast<std::int32_t>(boxes.size());
        figures.FigureCount = figures.FigList.Count();
    }
    TFigItem* At(std::int32_t index) const { return form.S.Doc.FigList().At(index); }
    TFigItem* Selected() const { return form.S.Doc.SelectedFig(); }
    TActionKind LastAction() const {
        const TActionItem* tail = form.S.Doc.Log().GetTail();
        return tail == form.S.Doc.Log().GetHead() ? TActionKind::None : tail->Data.TargetType;
    }
    std::int32_t Actions() const { return form.S.Doc.Log().GetCount(); }
    void Click(std::int32_t x, std::int32_t y) {
        form.PaintBoxMouseDown(x, y);
        form.PaintBoxMouseUp(x, y);
    }
    void Drag(TPoint from, std::initializer_list<TPoint> via, TPoint to) {
        form.PaintBoxMouseDown(from.x, from.y);
        for (TPoint p : via)
            form.PaintBoxMouseMove(p.x, p.y);
        form.PaintBoxMouseMove(to.x, to.y);
        form.PaintBoxMouseUp(to.x, to.y);
    }
};

} // namespace murva::test
