// The mouse on the drawing field: the hit test, which figure a press selects and whether
// it may be dragged, free paths, plain clicks, and what a release leaves behind.

#include "edit/edit_fixture.h"

#include "model/off_stage.h"
#include "support/recording_graphics.h"

#include <gmock/gmock.h>
#include <tuple>

namespace murva::test {
namespace {

using ::testing::Contains;
using ::testing::HasSubstr;
using ::testing::Not;

TEST(HitTest, TakesThreePixelsAroundTheBoxWhicheverWayItWasDrawn) {
    struct Case {
        TPoint P;
        bool Hit;
    };
    const Case cases[] = {{{7, 40}, true},   {{6, 40}, false},  {{53, 40}, true},
                          {{54, 40}, false}, {{30, 17}, true},  {{30, 16}, false},
                          {{30, 63}, true},  {{30, 64}, false}, {{7, 17}, true}};
    for (const Case& c : cases) {
        EXPECT_EQ(HitsBox({10, 20}, {50, 60}, c.P), c.Hit) << c.P.x << "," << c.P.y;
        EXPECT_EQ(HitsBox({50, 60}, {10, 20}, c.P), c.Hit) << c.P.x << "," << c.P.y;
    }
}

struct FieldMouseTest : EditTest {
    // Two pairs; the end copies lie 200 pixels right of their start copies.
    void SetUp() override {
        EditTest::SetUp();
        AddPairs({{10, 10, 20, 20}, {40, 10, 50, 20}});
        for (int i = 2; i < 4; ++i)
            At(i)->Data.Offset(200, 0);
    }
    std::vector<std::string>& FieldCalls() {
        return static_cast<RecordingBitmap&>(*form.CanvasBitmap).canvas.Calls;
    }
};

TEST_F(FieldMouseTest, EveryCopyFollowsADragAndAStartCopyLeavesItsEndCopyWhereItIs) {
    for (int i = 0; i < 4; ++i) {
        const TPoint before = At(i)->Data.Start;
        const TPoint partner = At((i + 2) % 4)->Data.Start;
        const std::int32_t actions = Actions();
        Drag({before.x + 5, before.y + 5}, {{before.x + 20, before.y + 9}},
             {before.x + 35, before.y + 35});
        EXPECT_EQ(Selected(), At(i));
        const TPoint moved{before.x + 30, before.y + 30};
        EXPECT_EQ(At(i)->Data.Start, moved) << "figure " << i;
        EXPECT_EQ(At((i + 2) % 4)->Data.Start, partner) << "figure " << i;
        EXPECT_EQ(form.S.Resize.Base.Start, moved);
        EXPECT_EQ(Actions() - actions, 1);
    }
}

TEST_F(FieldMouseTest, AStartCopyMovedLeadsItsEndCopysPathFromWhereItNowStarts) {
    form.DrawingBtnClick(TMotionButton::MoveFreeBtn);
    Drag({215, 15}, {{220, 30}}, {260, 40});
    const std::int32_t actions = Actions();
    Drag({15, 15}, {{15, 60}}, {15, 115});
    EXPECT_EQ(At(0)->Data.Start, (TPoint{10, 110}));
    EXPECT_EQ(Actions() - actions, 2) << "the start copy and its end copy's path";
    // A run moves by the path's steps: from the start copy's centre onto the end copy's.
    const TFigData &start = At(0)->Data, &end = At(2)->Data;
    const TPoint first = end.FreeMoveData->At(0),
                 last = end.FreeMoveData->At(end.FreeMoveCount - 1);
    EXPECT_EQ(last.x - first.x, (end.Start.x + end.End.x - start.Start.x - start.End.x) / 2);
    EXPECT_EQ(last.y - first.y, (end.Start.y + end.End.y - start.Start.y - start.End.y) / 2);
}

TEST_F(FieldMouseTest, ThePressFindsTheTopmostFigureOfTheCurrentCut) {
    At(3)->Data.Offset(-30, 0); // the second end copy now covers the first
    form.PaintBoxMouseDown(215, 15);
    EXPECT_EQ(Selected(), At(3));
    At(3)->Data.CutNumber = 2;
    form.PaintBoxMouseDown(215, 15);
    EXPECT_EQ(Selected(), At(2));
    form.PaintBoxMouseDown(400, 400);
    EXPECT_EQ(Selected(), nullptr);
    EXPECT_EQ(form.S.Doc.LastSelectedFig(), nullptr);
}

TEST_F(FieldMouseTest, AFreeDragBecomesThePathLedInFromTheStartCopy) {
    form.DrawingBtnClick(TMotionButton::MoveFreeBtn);
    Drag({215, 15}, {{220, 30}}, {260, 40});
    const TFigData& f = At(2)->Data;
    ASSERT_EQ(f.Free, 1);
    // The end copy lay 200 pixels right of its start copy: the path is led in from there,
    // at about the drag's pace (19 pixels a point).
    ASSERT_EQ(f.FreeMoveCount, 11 + 4);
    EXPECT_EQ(f.FreeMoveData->At(0), (TPoint{15, 15}));
    const std::vector<TPoint> drawn = {{215, 15}, {220, 30}, {260, 40}, {260, 40}};
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(f.FreeMoveData->At(11 + k), drawn[k]);
    EXPECT_EQ(form.S.Doc.Log().GetTail()->Data.FigData.Free, 1);
    // While it is selected, the path shows dotted, from the start copy's centre to its own.
    const auto path = ::testing::AllOf(::testing::StartsWith("Polyline 15,15 "),
                                       HasSubstr(" 260,40 pen=1/000000/dot/copy"));
    FieldCalls().clear();
    form.PaintBoxPaint();
    EXPECT_THAT(FieldCalls(), Contains(path));
    for (const auto& [press, shown] :
         {std::pair{TPoint{15, 15}, true}, {TPoint{400, 400}, false}}) {
        form.PaintBoxMouseDown(press.x, press.y); // the start copy shows it too; nothing, not
        FieldCalls().clear();
        form.PaintBoxPaint();
        EXPECT_EQ(::testing::Matches(Contains(path))(FieldCalls()), shown) << press.x;
    }

    // A straight drag leaves the path; a release just outside the corner keeps no new one.
    form.DrawingBtnClick(TMotionButton::MoveLineBtn);
    Drag({245, 15}, {}, {250, 30});
    EXPECT_EQ(At(3)->Data.Free, 0);
    form.DrawingBtnClick(TMotionButton::MoveFreeBtn);
    form.PaintBoxMouseDown(245, 30);
    form.PaintBoxMouseUp(-1, -1);
    EXPECT_EQ(host.Messages, std::vector<std::string>{"ok"});
    EXPECT_EQ(At(3)->Data.Free, 0);
}

TEST_F(FieldMouseTest, AFigureMayLeaveTheFieldAndComesBackByItsTab) {
    // The 10 x 10 end copy at 225,5, pressed at `from`, dragged through `via` to `to`: at
    // most 160 pixels past the edge, where it waits for the pointer to come back; let go
    // beyond the edge, it goes wholly past it; pressed on its tab, it comes back.
    const std::tuple<TPoint, TPoint, TPoint, TPoint> cases[] = {
        {{230, 10}, {-500, 10}, {-500, 10}, {-170, 5}},
        {{230, 10}, {2000, 10}, {2000, 10}, {800, 5}},
        {{230, 10}, {230, -900}, {230, -900}, {225, -170}},
        {{230, 10}, {230, 900}, {230, 900}, {225, 640}},
        {{230, 10}, {-500, 10}, {240, 10}, {235, 5}},
        {{234, 10}, {642, 10}, {642, 10}, {640, 5}},
        {{226, 10}, {-2, 10}, {-2, 300}, {-11, 295}},
        {{226, 10}, {-2, 10}, {100, 10}, {99, 5}},
    };
    for (const auto& [from, via, to, start] : cases) {
        At(2)->Data.Start = {225, 5};
        At(2)->Data.End = {235, 15};
        Drag(from, {via}, to);
        EXPECT_EQ(At(2)->Data.Start, start) << to.x << "," << to.y;
        if (start.x < 0 || start.x >= 640 || start.y >= 480 || start.y < -10) {
            // Its tab lies against the edge, across from it, and brings it back.
            const auto tab = OffStageTab(At(2)->Data, 640, 480);
            ASSERT_TRUE(tab);
            const TPoint on{(tab->Box.Left + tab->Box.Right) / 2,
                            (tab->Box.Top + tab->Box.Bottom) / 2};
            Drag(on, {}, {on.x - 100 * tab->Toward.x, on.y - 100 * tab->Toward.y});
            EXPECT_EQ(Selected(), At(2));
            EXPECT_EQ(At(2)->Data.Start.x, start.x - 100 * tab->Toward.x);
            EXPECT_EQ(At(2)->Data.Start.y, start.y - 100 * tab->Toward.y);
        }
    }
}

TEST_F(FieldMouseTest, APlainClickTakesThePathAwayAndIsRecorded) {
    form.DrawingBtnClick(TMotionButton::MoveFreeBtn);
    Drag({215, 15}, {}, {230, 15});
    Click(230, 15); // with the free tool a click only selects
    EXPECT_EQ(At(2)->Data.Free, 1);
    form.DrawingBtnClick(TMotionButton::MoveLineBtn);
    Click(230, 15);
    EXPECT_EQ(At(2)->Data.Free, 0);
    EXPECT_EQ(LastAction(), TActionKind::Move);
    EXPECT_EQ(form.S.Doc.Log().GetTail()->Data.FigData.Free, 0);
    // Without a path to take away, a click with either tool records nothing.
    const std::int32_t before = Actions();
    Click(230, 15);
    form.DrawingBtnClick(TMotionButton::MoveFreeBtn);
    Click(230, 15);
    EXPECT_EQ(Actions(), before);
    EXPECT_EQ(At(2)->Data.Free, 0);
}

TEST_F(FieldMouseTest, APressOnAStartCopyRecordsNothingWhereverItIsReleased) {
    Drag({215, 15}, {}, {230, 30});
    const std::int32_t before = Actions();
    form.PaintBoxMouseDown(15, 15); // a start copy
    form.PaintBoxMouseUp(215, 15);  // where the drag was pressed
    Click(15, 15);
    EXPECT_EQ(Actions(), before);
    EXPECT_EQ(At(0)->Data.Start, (TPoint{10, 10}));
}

TEST_F(FieldMouseTest, AReleaseZeroesTheBarsAndShowsThePartnerBlackAndYellowUntilTheNextRepaint) {
    At(2)->Data.PenColor = clRed;
    At(2)->Data.BrushColor = clWhite;
    form.HTrackBar.SetPosition(5);
    form.VTrackBar.SetPosition(-5);
    form.PaintBoxMouseDown(15, 15); // the start copy of the first pair
    FieldCalls().clear();
    form.PaintBoxMouseUp(15, 15);
    EXPECT_EQ(form.HTrackBar.Position(), 0);
    EXPECT_EQ(form.VTrackBar.Position(), 0);
    const std::string partner =
        "Rectangle 210,10,220,20 pen=1/000000/solid/copy brush=00FFFF/solid";
    EXPECT_THAT(FieldCalls(), Contains(partner));
    EXPECT_EQ(At(2)->Data.PenColor, clRed);
    EXPECT_EQ(At(2)->Data.BrushColor, clWhite);
    FieldCalls().clear();
    form.PaintBoxPaint();
    EXPECT_THAT(FieldCalls(), Not(Contains(partner)));
    EXPECT_THAT(FieldCalls(), Contains(HasSubstr("Rectangle 210,10,220,20 pen=1/0000FF")));
}

TEST_F(FieldMouseTest, AStampPartnerShowsItsChildrenBlackAndYellowAndKeepsTheirColours) {
    TFigData& stamp = At(2)->Data;
    stamp.DrawingTool = TDrawingTool::Stamp;
    stamp.StampData = std::make_shared<TFigList>();
    TFigData child = MakeRect(0, 0, 10, 10);
    child.PenColor = clRed;
    stamp.StampData->Add(child);
    FieldCalls().clear();
    Click(15, 15);
    EXPECT_THAT(FieldCalls(),
                Contains("Rectangle 210,10,220,20 pen=1/000000/solid/copy brush=00FFFF/solid"));
    EXPECT_EQ(stamp.StampData->GetFirst()->Data.PenColor, clRed);
    EXPECT_EQ(stamp.StampData->GetFirst()->Data.BrushColor, child.BrushColor);
}

TEST_F(FieldMouseTest, APressStartsTheMakingStateButNotWhileWatching) {
    form.S.Shell.Mode = TMode::Watch;
    form.PaintBoxMouseDown(215, 15);
    EXPECT_EQ(Selected(), nullptr);
    form.S.Shell.Mode = TMode::Draw;
    form.PaintBoxMouseMove(230, 15);
    EXPECT_EQ(form.S.Shell.Mode, TMode::Draw);
    form.PaintBoxMouseDown(215, 15);
    EXPECT_EQ(form.S.Shell.Mode, TMode::Edit);
    EXPECT_EQ(Selected(), At(2));
}

} // namespace
} // namespace murva::test
