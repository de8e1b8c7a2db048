// Resizing with the size bars: the box rule of each mode, points stretched between the
// edges, texts by their size, stamps scaling their children, the mode button, and the
// one size change recorded for a run of resizing.

#include "edit/edit_fixture.h"
#include "support/document_access.h"

#include "ui/texts.h"

namespace murva::test {
namespace {

struct ResizerTest : EditTest {
    // Puts the figure in as one pair and selects its end copy with a click.
    TFigData& SelectNew(const TFigData& figure) {
        test::Figures(form.S.Doc).FigList.Add(figure);
        test::Figures(form.S.Doc).FigList.Add(figure);
        test::Figures(form.S.Doc).PairCount = 1;
        test::Figures(form.S.Doc).FigureCount = 2;
        Click(figure.Start.x, figure.Start.y);
        EXPECT_EQ(Selected(), At(1));
        return At(1)->Data;
    }
    void Mode(TResizeMode mode) { form.S.Shell.ResizeMode = mode; }
};

TEST_F(ResizerTest, EachModeMovesItsEdgesFromTheGeometryOfTheLastRelease) {
    struct Case {
        TResizeMode Mode;
        int H, V;
        TRect Box; // Start and End afterwards
        int OtherBar;
    };
    const Case cases[] = {
        {TResizeMode::Together,
         10,
         0,
         {90, 90, 210, 160},
         10}, // linked: a 100 × 50 box becomes 120 × 70
        {TResizeMode::Together, 0, 10, {90, 90, 210, 160}, 10},      // the same from the other bar
        {TResizeMode::Separately, 10, -5, {90, 105, 210, 145}, -5},  // separately
        {TResizeMode::BottomRight, -20, 0, {100, 100, 180, 150}, 0}, // only the right edge
        {TResizeMode::TopLeft, 0, 30, {100, 130, 200, 150}, 30},     // only the top edge
        // The shape kept, about the centre: 100 × 50 becomes 120 × 60, or 140 × 70.
        {TResizeMode::KeepShape, 10, 0, {90, 95, 210, 155}, 5},
        {TResizeMode::KeepShape, 0, 10, {80, 90, 220, 160}, 10},
    };
    // A rectangle, and a polyline of the same box, whose points go with its edges.
    const TFigData figures[] = {MakeRect(100, 100, 200, 150),
                                MakePolyline({{100, 100}, {200, 150}, {150, 125}})};
    for (const Case& c : cases)
        for (const TFigData& figure : figures) {
            form.ResetDocument();
            TFigData& f = SelectNew(figure);
            Mode(c.Mode);
            if (c.H) form.HTrackBar.SetPosition(c.H);
            if (c.V && !(c.Mode == TResizeMode::Together && c.H)) form.VTrackBar.SetPosition(c.V);
            const auto box = [&f] { return TRect{f.Start.x, f.Start.y, f.End.x, f.End.y}; };
            EXPECT_EQ(box(), c.Box) << "mode " << int(c.Mode) << " tool " << int(f.DrawingTool);
            if (f.PointData) {
                EXPECT_EQ(f.PointData->At(1), (TPoint{c.Box.Right, c.Box.Bottom})) << int(c.Mode);
            }
            EXPECT_EQ(form.VTrackBar.Position(), c.OtherBar);
            // Back to 0, the figure is as it was.
            form.HTrackBar.SetPosition(0);
            form.VTrackBar.SetPosition(0);
            EXPECT_EQ(box(), (TRect{100, 100, 200, 150}));
        }
}

TEST_F(ResizerTest, PointsStretchBetweenTheEdgesAndALineAcrossTheAxisKeepsThem) {
    TFigData& f = SelectNew(MakePolyline({{100, 10}, {150, 60}, {200, 20}}));
    Mode(TResizeMode::TopLeft);
    form.HTrackBar.SetPosition(50); // the left edge 50 right; the rightmost point stays
    std::vector<int> xs;
    for (int i = 0; i < 3; ++i)
        xs.push_back(f.PointData->At(i).x);
    EXPECT_EQ(xs, (std::vector<int>{150, 175, 200}));
    EXPECT_EQ(f.Start.x, 150);
    EXPECT_EQ(f.End.x, 200);

    form.ResetDocument();
    TFigData& upright = SelectNew(MakePolyline({{40, 10}, {40, 90}}));
    Mode(TResizeMode::Separately);
    form.HTrackBar.SetPosition(10);
    EXPECT_EQ(upright.PointData->At(0).x, 40);
    EXPECT_EQ(upright.Start.x, 40);
    EXPECT_EQ(upright.End.x, 40);
}

TEST_F(ResizerTest, ATextChangesItsSizeAndNeverBelowSix) {
    TFigData text = MakeRect(100, 100, 150, 112);
    text.DrawingTool = TDrawingTool::Text;
    text.Text = "ねこ";
    text.TextSize = 10;
    TFigData& f = SelectNew(text);
    form.VTrackBar.SetPosition(5); // size 5: ignored
    EXPECT_EQ(f.TextSize, 10);
    form.S.Shell.ResizeMode = TResizeMode::Separately;
    form.VTrackBar.SetPosition(-5);
    EXPECT_EQ(f.TextSize, 15);
    EXPECT_EQ(f.End.y, 100 + 18);
    EXPECT_GT(f.End.x, f.Start.x) << "the end of the written text";
}

TEST_F(ResizerTest, AStampScalesItsChildrenAndANestedStampByItsOwnFactor) {
    TFigData inner = MakeRect(0, 0, 20, 10);
    inner.DrawingTool = TDrawingTool::Stamp;
    inner.StampData = std::make_shared<TFigList>();
    inner.StampData->Add(MakeRect(5, 0, 10, 10));
    TFigData stamp = MakeRect(100, 100, 200, 150);
    stamp.DrawingTool = TDrawingTool::Stamp;
    stamp.StampData = std::make_shared<TFigList>();
    stamp.StampData->Add(MakeRect(10, 0, 50, 20));
    stamp.StampData->Add(inner);
    test::Figures(form.S.Doc).FigList.Add(stamp);
    test::Figures(form.S.Doc).FigList.Add(stamp);
    test::Figures(form.S.Doc).PairCount = 1;
    // The stamp's recorded copy, which its children are scaled from.
    form.S.Doc.Select(At(1));
    form.S.Doc.RecordMove(At(1));
    Click(100, 100);
    Mode(TResizeMode::BottomRight);
    form.HTrackBar.SetPosition(100); // twice as wide
    const TFigList& children = *At(1)->Data.StampData;
    EXPECT_EQ(children.At(0)->Data.Start.x, 20);
    EXPECT_EQ(children.At(0)->Data.End.x, 100);
    const TFigData& nested = children.At(1)->Data;
    EXPECT_EQ(nested.End.x, 40);
    EXPECT_EQ(nested.StampData->GetFirst()->Data.End.x, 20) << "by the inner factor 2";
    EXPECT_TRUE(host.Messages.empty());
}

TEST_F(ResizerTest, AStampNeverRecordedIsScaledFromItsChildrenAsTheyAreAfterOneMessage) {
    TFigData stamp = MakeRect(100, 100, 200, 150);
    stamp.DrawingTool = TDrawingTool::Stamp;
    stamp.StampData = std::make_shared<TFigList>();
    stamp.StampData->Add(MakeRect(10, 0, 50, 20));
    const TFigList& children = *SelectNew(stamp).StampData;
    Mode(TResizeMode::BottomRight);
    form.HTrackBar.SetPosition(100);
    EXPECT_EQ(host.Messages, std::vector<std::string>{texts::StampResizeFailed});
    EXPECT_EQ(children.GetFirst()->Data.End.x, 100);
    form.HTrackBar.SetPosition(0);
    EXPECT_EQ(host.Messages.size(), 1u);
    EXPECT_EQ(children.GetFirst()->Data.End.x, 50);
}

TEST_F(ResizerTest, TheModeButtonCyclesDeselectsAndZeroesTheBars) {
    SelectNew(MakeRect(100, 100, 200, 150));
    form.HTrackBar.SetPosition(10);
    struct Step {
        TResizeButton Clicked;
        TResizeMode Mode;
        TButtonControl* Shown;
        bool Sides;
    };
    const Step steps[] = {
        {TResizeButton::KeepShapeBtn, TResizeMode::Together, &form.AllChangeBtn, false},
        {TResizeButton::AllChangeBtn, TResizeMode::BottomRight, &form.DRChangeBtn, true},
        {TResizeButton::DRChangeBtn, TResizeMode::TopLeft, &form.ULChangeBtn, true},
        {TResizeButton::ULChangeBtn, TResizeMode::Separately, &form.HVChangeBtn, false},
        {TResizeButton::HVChangeBtn, TResizeMode::KeepShape, &form.KeepShapeBtn, false}};
    for (const Step& step : steps) {
        form.AllChangeBtnClick(step.Clicked);
        EXPECT_EQ(form.S.Shell.ResizeMode, step.Mode);
        for (TButtonControl* face : {&form.KeepShapeBtn, &form.AllChangeBtn, &form.DRChangeBtn,
                                     &form.ULChangeBtn, &form.HVChangeBtn})
            EXPECT_EQ(face->Visible, face == step.Shown);
        EXPECT_EQ(form.VBarLargeLabel.Visible, !step.Sides);
        EXPECT_EQ(form.HBarLeftLabel.Visible, step.Sides);
        EXPECT_EQ(Selected(), nullptr);
        EXPECT_EQ(form.HTrackBar.Position(), 0);
    }
    EXPECT_EQ(At(1)->Data.End.x, 210) << "deselected before the bars went back";
    form.HTrackBar.SetPosition(30);
    EXPECT_EQ(At(1)->Data.End.x, 210) << "no figure is selected";
}

TEST_F(ResizerTest, ARunOfResizingIsOneSizeChangeAfterTheNextActionAndNoneWhenUndone) {
    TFigData& f = SelectNew(MakeRect(100, 100, 200, 150));
    form.S.Doc.Select(At(1));
    form.S.Doc.RecordMove(At(1));
    const std::int32_t before = Actions();
    form.HTrackBar.SetPosition(10);
    form.HTrackBar.SetPosition(20);
    form.VTrackBar.SetPosition(5);
    EXPECT_EQ(Actions(), before) << "held open";
    form.DupBtnClick(); // another action commits it, before its own
    const TActionItem* change = form.S.Doc.Log().GetTail();
    while (change->Position > before + 1)
        change = change->Prev;
    EXPECT_EQ(change->Data.Parameter, TChangeParameter::Size);
    EXPECT_EQ(change->Data.FigData.End, f.End);
    EXPECT_EQ(change->Next->Data.TargetType, TActionKind::Duplicate);
    EXPECT_EQ(change->Next->Next->Data.TargetType, TActionKind::Back) << "one size change only";

    // Resized and back again: nothing to record, though the figure was moved meanwhile.
    Click(f.Start.x, f.Start.y);
    const std::int32_t after = Actions();
    form.HTrackBar.SetPosition(15);
    form.HTrackBar.SetPosition(0);
    form.PaintBoxMouseMove(0, 0);
    EXPECT_EQ(Actions(), after);
}

} // namespace
} // namespace murva::test
