// The commands of "ずけいをかえる": the palette, recolouring and its refusals, duplicating,
// deleting a pair and bringing it back, and moving pairs to the front or back.

#include "edit/edit_fixture.h"
#include "support/document_access.h"

#include "ui/texts.h"

namespace murva::test {
namespace {

// No message, or the one given.
std::vector<std::string> Messages(const char* message) {
    return message ? std::vector<std::string>{message} : std::vector<std::string>{};
}

struct FigureEditorTest : EditTest {
    void Select(std::int32_t index) { form.S.Doc.Select(At(index)); }
    std::vector<int> Order() const { return StartXs(form.S.Doc.FigList()); }
};

TEST_F(FigureEditorTest, ThePalettePicksAColourOrNoFill) {
    form.ColorPanelClick(3);
    EXPECT_EQ(Shown().ConfirmPanel.Color, form.ColorPanels[2].Color);
    EXPECT_EQ(Shown().ConfirmPanel.Hint, texts::ColorChosenHint);
    form.ClearPanelClick();
    EXPECT_EQ(Shown().ConfirmPanel.Color, NoFillColor);
    EXPECT_EQ(Shown().ConfirmPanel.Hint, texts::NoFillChosenHint);
}

TEST_F(FigureEditorTest, RecolouringChangesOnlyWhatDiffersAndRefusesANoFillOutline) {
    AddPairs({{10, 10, 20, 20}});
    Select(1);
    struct Case {
        TColor Picked;
        TColorButton Button;
        TColor Pen, Brush;
        std::int32_t Recorded;
        const char* Message;
    };
    const Case cases[] = {
        {clRed, TColorButton::LineColorBtn, clRed, clBlack, 1, nullptr},
        {clRed, TColorButton::LineColorBtn, clRed, clBlack, 0, nullptr}, // the same colour
        {NoFillColor, TColorButton::BodyColorBtn, clRed, NoFillColor, 1, nullptr},
        {NoFillColor, TColorButton::LineColorBtn, clRed, NoFillColor, 0, texts::LineNoFillRefused},
    };
    for (const Case& c : cases) {
        host.Messages.clear();
        form.S.Shell.PickedColor = c.Picked;
        const std::int32_t before = Actions();
        form.AttrChangeBtnClick(c.Button);
        EXPECT_EQ(At(1)->Data.PenColor, c.Pen);
        EXPECT_EQ(At(1)->Data.BrushColor, c.Brush);
        EXPECT_EQ(Actions() - before, c.Recorded);
        EXPECT_EQ(host.Messages, Messages(c.Message));
    }
    EXPECT_EQ(At(0)->Data.PenColor, clBlack) << "only the selected member";
}

TEST_F(FigureEditorTest, AStampTakesAColourThroughItsOnlyChildOrThePartPressed) {
    TFigData stamp = MakeRect(10, 10, 40, 40);
    stamp.DrawingTool = TDrawingTool::Stamp;
    stamp.StampData = std::make_shared<TFigList>();
    stamp.StampData->Add(MakeRect(0, 0, 5, 5));
    TFigItem* one = test::Figures(form.S.Doc).FigList.Add(stamp);
    stamp.StampData->Add(MakeRect(5, 5, 9, 9));
    TFigItem* two = test::Figures(form.S.Doc).FigList.Add(stamp);
    form.S.Shell.PickedColor = clRed;

    // Of a drawing of two parts, the one pressed (the second lies at 15..19 on the field),
    // then, for a press between them, both; the stamp keeps its own colours.
    const TColor own = two->Data.BrushColor;
    const auto parts = [two] {
        const TFigItem* first = two->Data.StampData->GetFirst();
        return std::pair{first->Data.BrushColor, first->Next->Data.BrushColor};
    };
    const TColor was = parts().first;
    form.S.Doc.Select(two);
    form.S.Mouse.DownPoint = {17, 17};
    form.AttrChangeBtnClick(TColorButton::BodyColorBtn);
    EXPECT_EQ(parts(), std::pair(was, clRed));
    form.S.Shell.PickedColor = TColor(0xFF0000);
    form.S.Mouse.DownPoint = {30, 30};
    form.AttrChangeBtnClick(TColorButton::BodyColorBtn);
    EXPECT_EQ(parts(), std::pair(TColor(0xFF0000), TColor(0xFF0000)));
    EXPECT_EQ(two->Data.BrushColor, own);
    // Each a size change whose copy carries the parts, as every reader replays it.
    ASSERT_EQ(Actions(), 2);
    const TActionItem* size = form.S.Doc.Log().GetTail();
    EXPECT_EQ(size->Data.Parameter, TChangeParameter::Size);
    EXPECT_EQ(size->Data.FigData.StampData->GetFirst()->Next->Data.BrushColor, TColor(0xFF0000));
    EXPECT_TRUE(host.Messages.empty());

    form.S.Shell.PickedColor = clRed;
    form.S.Doc.Select(one);
    form.AttrChangeBtnClick(TColorButton::BodyColorBtn);
    EXPECT_EQ(one->Data.BrushColor, clRed);
    EXPECT_EQ(one->Data.StampData->GetFirst()->Data.BrushColor, clRed);
    // The colour change, and a size change whose copy carries the recoloured child.
    size = form.S.Doc.Log().GetTail();
    ASSERT_EQ(Actions(), 4);
    EXPECT_EQ(size->Prev->Data.Parameter, TChangeParameter::BodyColor);
    EXPECT_EQ(size->Data.Parameter, TChangeParameter::Size);
    EXPECT_EQ(size->Data.FigData.StampData->GetFirst()->Data.BrushColor, clRed);
}

TEST_F(FigureEditorTest, ADuplicateIsANewPair20PixelsAwayInTheCurrentCut) {
    AddPairs({{10, 10, 20, 20}, {40, 10, 50, 20}});
    At(3)->Data.Free = 1;
    Select(3);
    form.DupBtnClick();
    EXPECT_EQ(form.S.Doc.FigList().Count(), 4) << "a figure with a path is not copied";

    form.S.Cuts.CurrentCut = 2;
    Select(2);
    form.DupBtnClick();
    EXPECT_EQ(Order(), (std::vector<int>{10, 40, 30, 10, 40, 30}));
    EXPECT_EQ(form.S.Doc.PairCount(), 3);
    EXPECT_EQ(form.S.Doc.FigureCount(), 6);
    for (int i : {2, 5}) {
        EXPECT_EQ(At(i)->Data.Start, (TPoint{30, 30}));
        EXPECT_EQ(At(i)->Data.CutNumber, 2);
    }
    EXPECT_EQ(Selected(), nullptr);
}

TEST_F(FigureEditorTest, DeletingEitherMemberOfAPairTakesBothAndFukkatsuBringsThemBack) {
    for (std::int32_t selected : {0, 1}) {
        form.ResetDocument();
        AddPairs({{10, 10, 20, 20}});
        At(1)->Data.Start.x = 11;
        const int chosen = At(selected)->Data.Start.x;
        Select(selected);
        form.DeleteBtnClick();
        EXPECT_TRUE(form.S.Doc.FigList().IsEmpty());
        EXPECT_EQ(form.S.Doc.DeletedFigList().Count(), 2);
        EXPECT_EQ(form.S.Doc.PairCount(), 0);
        EXPECT_EQ(Selected(), nullptr);

        form.RestoreBtnClick();
        EXPECT_EQ(form.S.Doc.PairCount(), 1);
        EXPECT_EQ(Order().front(), chosen) << "the figure that was selected comes back first";
        EXPECT_EQ(Order().size(), 2u);
        EXPECT_TRUE(form.S.Doc.DeletedFigList().IsEmpty());
    }
}

TEST_F(FigureEditorTest, DeletingFindsThePartnerFromEitherHalf) {
    // Three pairs; the end copies are one pixel right of their start copies.
    AddPairs({{10, 0, 15, 5}, {20, 0, 25, 5}, {30, 0, 35, 5}});
    for (int i = 3; i < 6; ++i)
        ++At(i)->Data.Start.x;
    Select(1);
    form.DeleteBtnClick();
    EXPECT_EQ(Order(), (std::vector<int>{10, 30, 11, 31}));
    Select(3);
    form.DeleteBtnClick();
    EXPECT_EQ(Order(), (std::vector<int>{10, 11}));
    EXPECT_EQ(form.S.Doc.PairCount(), 1);
    EXPECT_EQ(form.S.Doc.FigureCount(), 2);
}

TEST_F(FigureEditorTest, WithoutPairsOnlyTheSelectedFigureGoesAndComesBackAsAPair) {
    test::Figures(form.S.Doc).FigList.Add(MakeRect(10, 10, 20, 20));
    test::Figures(form.S.Doc).FigList.Add(MakeRect(30, 10, 40, 20));
    Select(1);
    form.DeleteBtnClick();
    EXPECT_EQ(Order(), std::vector<int>{10});
    form.RestoreBtnClick();
    EXPECT_EQ(Order(), (std::vector<int>{30, 10}));
    EXPECT_EQ(form.S.Doc.PairCount(), 1);
    EXPECT_EQ(Selected(), At(0));
}

TEST_F(FigureEditorTest, FrontAndBackMoveBothMembersWithinTheirHalves) {
    struct Case {
        std::int32_t Selected;
        TOrderButton Button;
        std::vector<int> Order;
        const char* Message;
    };
    const Case cases[] = {
        {1, TOrderButton::FrontBtn, {10, 30, 20, 11, 31, 21}, nullptr},
        {4, TOrderButton::FrontBtn, {10, 30, 20, 11, 31, 21}, nullptr},
        {1, TOrderButton::BackBtn, {20, 10, 30, 21, 11, 31}, nullptr},
        {4, TOrderButton::BackBtn, {20, 10, 30, 21, 11, 31}, nullptr},
        {5, TOrderButton::FrontBtn, {10, 20, 30, 11, 21, 31}, texts::NoFurtherFront},
        {2, TOrderButton::FrontBtn, {10, 20, 30, 11, 21, 31}, texts::NoFurtherFront},
        {3, TOrderButton::BackBtn, {10, 20, 30, 11, 21, 31}, texts::NoFurtherBack},
        {0, TOrderButton::BackBtn, {10, 20, 30, 11, 21, 31}, texts::NoFurtherBackStart},
    };
    for (const Case& c : cases) {
        form.ResetDocument();
        host.Messages.clear();
        AddPairs({{10, 0, 15, 5}, {20, 0, 25, 5}, {30, 0, 35, 5}});
        for (int i = 3; i < 6; ++i)
            ++At(i)->Data.Start.x;
        Select(c.Selected);
        form.FrontBackBtnClick(c.Button);
        EXPECT_EQ(Order(), c.Order) << "figure " << c.Selected;
        EXPECT_EQ(Actions(), c.Message ? 0 : 2);
        EXPECT_EQ(host.Messages, Messages(c.Message));
    }
}

} // namespace
} // namespace murva::test
