// Drawing single figures and stamps: the calls each kind makes, with the pen and brush
// in force, the ghost rule and the offsets of nested stamps.

#include "model/draw_figure.h"
#include "support/recording_graphics.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace murva {
namespace {

using test::RecordingCanvas;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr TColor Blue = RGBColor(0, 0, 255);
constexpr TColor Green = RGBColor(0, 255, 0);
constexpr TGhostRule Solid{10, 4, false};

TFigItem Figure(TDrawingTool tool, TPoint start, TPoint end, TColor brush = Green) {
    TFigItem item;
    item.Data.DrawingTool = tool;
    item.Data.PenWidth = 3;
    item.Data.PenColor = Blue;
    item.Data.BrushColor = brush;
    item.Data.Start = start;
    item.Data.End = end;
    return item;
}

TFigItem PointFigure(TDrawingTool tool, std::initializer_list<TPoint> points) {
    TFigItem item = Figure(tool, {}, {});
    item.Data.PointData = std::make_shared<TPointData>();
    for (const TPoint& p : points)
        item.Data.PointData->AddTracked(p.x, p.y);
    item.Data.BoundsToStartEnd();
    return item;
}

std::vector<std::string> Draw(const TFigItem& item, const TGhostRule& ghost = Solid,
                              std::int32_t dx = 5, std::int32_t dy = 7) {
    RecordingCanvas canvas;
    DrawFigure(canvas, TPenMode::Copy, dx, dy, &item, ghost);
    return canvas.Calls;
}

TEST(DrawFigureTest, EachKindDrawsItsShapeTranslatedWithTheFiguresPenAndBrush) {
    TFigItem text = Figure(TDrawingTool::Text, {10, 20}, {90, 40});
    text.Data.Text = "やあ";
    text.Data.TextSize = 14;
    text.Data.TextColor = RGBColor(255, 0, 0);
    EXPECT_THAT(Draw(text),
                ElementsAre("TextOut 15,27 やあ size=14 color=0000FF brush=00FF00/clear"));

    EXPECT_THAT(Draw(Figure(TDrawingTool::Line, {10, 20}, {40, 60})),
                ElementsAre("MoveTo 15,27", "LineTo 45,67 pen=3/FF0000/solid/copy"));
    EXPECT_THAT(Draw(PointFigure(TDrawingTool::FreeLine, {{1, 2}, {3, 4}, {5, 1}})),
                ElementsAre("Polyline 6,9 8,11 10,8 pen=3/FF0000/solid/copy"));
    EXPECT_THAT(Draw(PointFigure(TDrawingTool::Polyline, {{0, 0}, {10, 0}})),
                ElementsAre("Polyline 5,7 15,7 pen=3/FF0000/solid/copy"));
    EXPECT_THAT(Draw(Figure(TDrawingTool::Ellipse, {10, 20}, {40, 60}, NoFillColor)),
                ElementsAre("Ellipse 15,27,45,67 pen=3/FF0000/solid/copy brush=8000000F/clear"));
    EXPECT_THAT(Draw(Figure(TDrawingTool::Rectangle, {40, 60}, {10, 20})),
                ElementsAre("Rectangle 45,67,15,27 pen=3/FF0000/solid/copy brush=00FF00/solid"));
    EXPECT_THAT(Draw(PointFigure(TDrawingTool::Polygon, {{0, 0}, {10, 0}, {5, 8}})),
                ElementsAre("Polygon 5,7 15,7 10,15 pen=3/FF0000/solid/copy brush=00FF00/solid"));
    EXPECT_THAT(Draw(Figure(TDrawingTool::None, {10, 20}, {40, 60})), IsEmpty());
}

TEST(DrawFigureTest, PenModeIsTheCallersAndAFilledFigureAfterAClearOneIsFilled) {
    RecordingCanvas canvas;
    TFigItem hollow = Figure(TDrawingTool::Rectangle, {0, 0}, {4, 4}, NoFillColor);
    TFigItem filled = Figure(TDrawingTool::Rectangle, {0, 0}, {4, 4});
    DrawFigure(canvas, TPenMode::NotXor, 0, 0, &hollow, Solid);
    DrawFigure(canvas, TPenMode::Copy, 0, 0, &filled, Solid);
    EXPECT_THAT(canvas.Calls,
                ElementsAre("Rectangle 0,0,4,4 pen=3/FF0000/solid/notxor brush=8000000F/clear",
                            "Rectangle 0,0,4,4 pen=3/FF0000/solid/copy brush=00FF00/solid"));
}

TEST(DrawFigureTest, GhostRuleGivesAThinDottedPenAndRestoresTheWidthAfterwards) {
    const TFigItem line = Figure(TDrawingTool::Line, {0, 0}, {8, 8});
    // LastFigureID 4: the first two figures of a pass are start copies.
    EXPECT_THAT(Draw(line, {1, 4, false}, 0, 0),
                ElementsAre("MoveTo 0,0", "LineTo 8,8 pen=1/FF0000/dot/copy"));
    EXPECT_THAT(Draw(line, {2, 4, false}, 0, 0),
                ElementsAre("MoveTo 0,0", "LineTo 8,8 pen=3/FF0000/solid/copy"));
    EXPECT_THAT(Draw(line, {0, 4, true}, 0, 0),
                ElementsAre("MoveTo 0,0", "LineTo 8,8 pen=3/FF0000/solid/copy"));
    // LastFigureID 1: no half, no ghosts.
    EXPECT_THAT(Draw(line, {0, 1, false}, 0, 0),
                ElementsAre("MoveTo 0,0", "LineTo 8,8 pen=3/FF0000/solid/copy"));

    RecordingCanvas canvas;
    DrawFigure(canvas, TPenMode::Copy, 0, 0, &line, {0, 4, false});
    EXPECT_EQ(canvas.Pen.Width, 3);
    EXPECT_EQ(canvas.Pen.Style, TPenStyle::Solid);
}

TEST(DrawFigureTest, NestedStampsAreDrawnAtTheSumOfTheirStartsAndGhostedAsAWhole) {
    auto inner = std::make_shared<TFigList>();
    inner->Add(Figure(TDrawingTool::Line, {1, 2}, {3, 4}).Data);
    TFigItem nested = Figure(TDrawingTool::Stamp, {30, 40}, {60, 80});
    nested.Data.StampData = inner;

    TFigItem stamp = Figure(TDrawingTool::Stamp, {100, 50}, {200, 150});
    stamp.Data.StampData = std::make_shared<TFigList>();
    stamp.Data.StampData->Add(Figure(TDrawingTool::Rectangle, {10, 10}, {20, 20}).Data);
    stamp.Data.StampData->Add(nested.Data);

    EXPECT_THAT(Draw(stamp),
                ElementsAre("Rectangle 115,67,125,77 pen=3/FF0000/solid/copy brush=00FF00/solid",
                            "MoveTo 136,99", "LineTo 138,101 pen=3/FF0000/solid/copy"));
    EXPECT_THAT(Draw(stamp, {0, 4, false}),
                ElementsAre("Rectangle 115,67,125,77 pen=1/FF0000/dot/copy brush=00FF00/solid",
                            "MoveTo 136,99", "LineTo 138,101 pen=1/FF0000/dot/copy"));
}

TEST(DrawFigureTest, EmptyStampsAndMissingPointsDrawNothing) {
    TFigItem empty = Figure(TDrawingTool::Stamp, {10, 10}, {20, 20});
    EXPECT_THAT(Draw(empty), IsEmpty());
    empty.Data.StampData = std::make_shared<TFigList>();
    EXPECT_THAT(Draw(empty), IsEmpty());
    EXPECT_THAT(Draw(Figure(TDrawingTool::Polygon, {0, 0}, {5, 5})), IsEmpty());

    RecordingCanvas canvas;
    DrawFigure(canvas, TPenMode::Copy, 0, 0, nullptr, Solid);
    DrawStampChildren(canvas, nullptr, 0, 0, Solid);
    EXPECT_THAT(canvas.Calls, IsEmpty());
}

} // namespace
} // namespace murva
