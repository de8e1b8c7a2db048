// The drawing board: what the mouse makes with each tool, and the material it gives.

#include "edit/drawing_board.h"
#include "files/action_reader.h"
#include "model/fig_list.h"
#include "support/drawing_strokes.h"
#include "support/recording_graphics.h"

#include <gtest/gtest.h>

namespace murva {
namespace {

struct DrawingBoardTest : ::testing::Test {
    test::RecordingGraphics graphics;
    TDrawingBoard board{graphics};
};

TEST_F(DrawingBoardTest, EachToolMakesItsFigureFromPressMovesAndRelease) {
    // Presses (each released where it was) before the last press; the last press is
    // dragged through the moves to the release; a double click ends point by point.
    const struct {
        TBoardTool Tool;
        std::vector<TPoint> Clicks;
        std::vector<TPoint> Drag;
        bool DoubleClick;
        TDrawingTool Kind;
        TPoint Start, End;
        std::int32_t Points;
    } cases[] = {
        {TBoardTool::Line,
         {},
         {{10, 10}, {40, 30}, {50, 60}},
         false,
         TDrawingTool::Line,
         {10, 10},
         {50, 60},
         0},
        {TBoardTool::Rectangle,
         {},
         {{60, 50}, {20, 10}},
         false,
         TDrawingTool::Rectangle,
         {60, 50},
         {20, 10},
         0},
        {TBoardTool::Ellipse,
         {},
         {{5, 5}, {700, 900}},
         false,
         TDrawingTool::Ellipse,
         {5, 5},
         {639, 479},
         0},
        {TBoardTool::FreeLine,
         {},
         {{10, 10}, {12, 30}, {40, 20}, {40, 20}},
         false,
         TDrawingTool::FreeLine,
         {10, 10},
         {40, 30},
         3},
        {TBoardTool::Polyline,
         {{10, 10}, {50, 10}},
         {{50, 40}},
         true,
         TDrawingTool::Polyline,
         {10, 10},
         {50, 40},
         3},
        {TBoardTool::Polygon,
         {{10, 10}, {50, 10}},
         {{30, 40}},
         true,
         TDrawingTool::Polygon,
         {10, 10},
         {50, 40},
         3},
        // A click is no figure; a polyline is not ended by releases alone.
        {TBoardTool::Rectangle, {}, {{30, 30}, {30, 30}}, false, TDrawingTool::None, {}, {}, 0},
        {TBoardTool::Polyline,
         {{10, 10}, {50, 10}},
         {{50, 40}},
         false,
         TDrawingTool::None,
         {},
         {},
         0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.Tool));
        board.Clear();
        board.Tool = c.Tool;
        board.BrushColor = clRed;
        for (TPoint p : c.Clicks) {
            board.Press(p);
            board.Release(p);
        }
        board.Press(c.Drag.front());
        for (TPoint p : c.Drag)
            board.Move(p);
        board.Release(c.Drag.back());
        if (c.DoubleClick) board.DoubleClick(c.Drag.back());
        if (c.Kind == TDrawingTool::None) {
            EXPECT_TRUE(board.IsEmpty());
            continue;
        }
        ASSERT_EQ(board.Figures().size(), 1u);
        const TFigData& f = board.Figures()[0];
        EXPECT_EQ(f.DrawingTool, c.Kind);
        EXPECT_EQ(f.Start, c.Start);
        EXPECT_EQ(f.End, c.End);
        EXPECT_EQ(f.PointData ? f.PointData->Count : 0, c.Points);
        // Lines are never filled.
        const bool line = c.Kind == TDrawingTool::Line || c.Kind == TDrawingTool::FreeLine ||
                          c.Kind == TDrawingTool::Polyline;
        EXPECT_EQ(f.BrushColor, line ? NoFillColor : clRed);
    }
}

TEST_F(DrawingBoardTest, TextsAndStrokesKeepWithinWhatAFileHolds) {
    board.Tool = TBoardTool::Text;
    board.Press({100, 100});
    ASSERT_EQ(board.TextWanted(), (TPoint{100, 100}));
    board.EnterText(std::string(300, 'a'));
    board.Press({10, 10});
    board.EnterText(std::string(200, 'b') +
                    "あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほまみむめも");
    board.Press({20, 20});
    board.EnterText("");
    ASSERT_EQ(board.Figures().size(), 2u);
    EXPECT_EQ(board.Figures()[0].Text, std::string(MaxTextBytes, 'a'));
    // Two bytes a character in a file: 27 of them fit after the 200 bytes.
    EXPECT_EQ(board.Figures()[1].Text.size(), 200u + 27 * 3);

    board.Tool = TBoardTool::FreeLine;
    board.Press({0, 0});
    for (std::int32_t i = 1; i <= 5000; ++i)
        board.Move({i % 640, i / 13});
    board.Release({639, 400});
    const TPointData& points = *board.Figures().back().PointData;
    EXPECT_EQ(points.Count, TPointData::MaxPoints);
    EXPECT_EQ(points.At(0), (TPoint{0, 0}));
    EXPECT_EQ(points.At(points.Count - 1), (TPoint{639, 400}));
}

TEST_F(DrawingBoardTest, SelectDragsAFigureAndRemoveLastTakesTheNewest) {
    test::DrawEveryKind(board, 7);
    const std::size_t drawn = board.Figures().size();
    ASSERT_EQ(drawn, 7u);
    const TFigData rectangle = board.Figures()[1];
    board.Tool = TBoardTool::Select;
    board.Press({rectangle.Start.x + 5, rectangle.End.y - 5});
    board.Move({rectangle.Start.x + 105, rectangle.End.y + 5});
    board.Release({rectangle.Start.x + 105, rectangle.End.y + 5});
    EXPECT_EQ(board.Figures()[1].Start, (TPoint{rectangle.Start.x + 100, rectangle.Start.y + 10}));
    board.RemoveLast();
    EXPECT_EQ(board.Figures().size(), drawn - 1);
    EXPECT_EQ(board.Figures().back().DrawingTool, TDrawingTool::Polygon);
}

TEST_F(DrawingBoardTest, TheMaterialIsOneStampOfTheFiguresOrTheFiguresApart) {
    test::DrawEveryKind(board, 3);
    board.Separate = true;
    EXPECT_EQ(board.Material().size(), board.Figures().size());

    board.Separate = false;
    const std::vector<TFigData> material = board.Material();
    ASSERT_EQ(material.size(), 1u);
    const TFigData& stamp = material[0];
    EXPECT_EQ(stamp.DrawingTool, TDrawingTool::Stamp);
    EXPECT_EQ(stamp.Start, (TPoint{23, 23}));
    ASSERT_EQ(stamp.StampData->Count(), 7);
    // The children lie relative to the stamp's corner, and the board keeps its figures.
    const TFigData& polygon = stamp.StampData->At(5)->Data;
    EXPECT_EQ(polygon.PointData->At(0), (TPoint{0, 200}));
    EXPECT_EQ(polygon.Start, (TPoint{0, 200}));
    EXPECT_EQ(board.Figures()[5].PointData->At(0), (TPoint{23, 223}));
}

} // namespace
} // namespace murva
