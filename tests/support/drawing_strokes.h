#pragma once
// A figure of each of the seven kinds drawn on a drawing board with the mouse, placed and
// coloured by a number.

#include "edit/drawing_board.h"

namespace murva::test {

inline void DrawEveryKind(TDrawingBoard& board, unsigned n) {
    const std::int32_t x = 20 + std::int32_t(n % 300), y = 20 + std::int32_t(n % 200);
    board.PenColor = RGBColor(n % 256, 40, 200);
    board.BrushColor = n % 3 ? RGBColor(250, n % 256, 0) : NoFillColor;
    board.PenWidth = TDrawingBoard::PenWidths[n % 3];
    auto drag = [&board](TBoardTool tool, TPoint from, TPoint to) {
        board.Tool = tool;
        board.Press(from);
        board.Move({(from.x + to.x) / 2, to.y});
        board.Release(to);
    };
    drag(TBoardTool::Line, {x, y}, {x + 60, y + 20});
    drag(TBoardTool::Rectangle, {x + 10, y + 30}, {x + 90, y + 80});
    drag(TBoardTool::Ellipse, {x + 100, y + 10}, {x + 160, y + 70});
    drag(TBoardTool::FreeLine, {x + 5, y + 100}, {x + 70, y + 140});
    for (TBoardTool tool : {TBoardTool::Polyline, TBoardTool::Polygon}) {
        board.Tool = tool;
        const std::int32_t top = y + (tool == TBoardTool::Polygon ? 200 : 160);
        for (TPoint p : {TPoint{x, top}, TPoint{x + 40, top + 30}, TPoint{x + 80, top}}) {
            board.Press(p);
            board.Release(p);
        }
        board.DoubleClick({x + 80, top});
    }
    board.Tool = TBoardTool::Text;
    board.Press({x + 120, y + 120});
    board.EnterText(n % 2 ? "うさぎ" : "cat");
}

} // namespace murva::test
