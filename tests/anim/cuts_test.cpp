// The film strip and the cut commands: choosing and scrolling cuts, the counter, and
// inserting, deleting and carrying over cuts.

#include "support/document_access.h"
#include "support/form_fixture.h"

#include "model/cut_ranges.h"
#include "support/figure_builders.h"
#include "support/material_files.h"
#include "support/recording_graphics.h"
#include "ui/texts.h"

namespace murva {
namespace {

struct CutsTest : test::FormTest {
    test::TempDir temp;
    // One pair per cut number given, loaded as a material and moved into its cut.
    void Document(const std::vector<std::int32_t>& cuts) {
        std::vector<int> xs;
        for (std::size_t i = 0; i < cuts.size(); ++i)
            xs.push_back(10 * static_cast<int>(i + 1));
        form.OpenFileByName(test::WriteMaterial(temp, "pairs.znd", xs));
        TFigItem* start = form.S.Doc.FigList().GetFirst();
        TFigItem* end = form.S.Doc.FigList().At(static_cast<std::int32_t>(cuts.size()));
        for (std::int32_t cut : cuts) {
            start->Data.CutNumber = end->Data.CutNumber = cut;
            start = start->Next;
            end = end->Next;
        }
        form.S.Cuts.CutCount = std::max(1, *std::max_element(cuts.begin(), cuts.end()));
        if (form.S.Cuts.CutCount >= FirstPartsSlot) form.S.Cuts.CutCount = 1;
    }
    // The cut numbers of all figures, in list order.
    std::vector<std::int32_t> Cuts() const {
        std::vector<std::int32_t> cuts;
        for (auto* f = form.S.Doc.FigList().GetFirst(); f; f = f->Next)
            cuts.push_back(f->Data.CutNumber);
        return cuts;
    }
    std::int32_t Actions() const { return form.S.Doc.Log().GetCount(); }
    bool Highlighted(int thumb) {
        form.ShowState();
        return form.HolesOfThumb(thumb)[0]->Color == RGBColor(255, 0, 0) &&
               form.ImagePanels[thumb - 1].Bevel == TBevel::Lowered &&
               form.ImagePanels[thumb - 1].BevelWidth == 3;
    }
};

TEST_F(CutsTest, EveryCutCommandIsRefusedWithoutFigures) {
    form.CutMakeClick();
    form.CutDeleteClick();
    form.CutCarryOverClick();
    form.CutCountUpBtnClick();
    EXPECT_EQ(host.Messages,
              (std::vector<std::string>{texts::NoCutToChoose, texts::NoCutToChoose,
                                        texts::NoCutToChoose, texts::NoFigureAtAll}));
    EXPECT_EQ(form.S.Cuts.CurrentCut, 1);
    EXPECT_EQ(form.S.Cuts.StripOffset, 0);
}

TEST_F(CutsTest, InsertingMovesTheCurrentCutAndThoseAfterItOnAndRecordsThem) {
    struct Case {
        std::vector<std::int32_t> Before;
        std::int32_t Current, CountBefore;
        std::vector<std::int32_t> After;
        std::int32_t CountAfter;
    };
    const Case cases[] = {
        {{1, 2, 3}, 2, 3, {1, 3, 4}, 4},                         // cut 2 of three
        {{1, 2}, 3, 3, {1, 2}, 3},                               // on the last, empty cut
        {{96, 97}, 96, 97, {97, 97}, 98},                        // the last number joins 97
        {{1, 100, RemovedPart}, 1, 1, {2, 100, RemovedPart}, 2}, // the bin stays
    };
    for (const Case& c : cases) {
        form.ResetDocument();
        Document(c.Before);
        form.S.Cuts.CurrentCut = c.Current;
        form.S.Cuts.CutCount = c.CountBefore;
        const std::int32_t before = Actions();
        form.CutMakeClick();
        std::vector<std::int32_t> expected = c.After;
        expected.insert(expected.end(), c.After.begin(), c.After.end()); // the end copies
        EXPECT_EQ(Cuts(), expected);
        EXPECT_EQ(form.S.Cuts.CutCount, c.CountAfter);
        EXPECT_EQ(form.CutSelect.Text,
                  std::to_string(c.Current) + "/" + std::to_string(c.CountAfter));
        int renumbered = 0;
        for (std::size_t i = 0; i < c.Before.size(); ++i)
            renumbered += c.Before[i] != c.After[i] ? 2 : 0;
        EXPECT_EQ(Actions() - before, renumbered);
    }
}

TEST_F(CutsTest, DeletingACutRemovesItsFiguresAndMovesTheLaterCutsBack) {
    Document({1, 2, 100, RemovedPart});
    form.S.Cuts.CutCount = 2;
    const std::int32_t before = Actions();
    form.CutDeleteClick();
    EXPECT_EQ(Cuts(), (std::vector<std::int32_t>{0, 1, 100, RemovedPart, 0, 1, 100, RemovedPart}));
    EXPECT_EQ(Actions() - before, 8) << "every figure is recorded";
    EXPECT_EQ(form.CutSelect.Text, "1/1");

    // Deleting the last cut shows the one before; the only cut leaves an empty cut 1.
    // with no frame left for its selected figure.
    form.ResetDocument();
    Document({1, 2, 3});
    form.CutImage1Click(3);
    form.S.Doc.Select(form.S.Doc.FigList().At(2));
    auto& calls = static_cast<test::RecordingBitmap&>(*form.CanvasBitmap).canvas.Calls;
    calls.clear();
    form.CutDeleteClick();
    EXPECT_EQ(form.CutSelect.Text, "2/2");
    EXPECT_TRUE(Highlighted(2));
    for (const std::string& call : calls)
        EXPECT_EQ(call.find("notxor"), std::string::npos) << call;
    form.ResetDocument();
    Document({1});
    form.CutDeleteClick();
    EXPECT_EQ(Cuts(), (std::vector<std::int32_t>{0, 0}));
    EXPECT_EQ(form.CutSelect.Text, "1/1");
}

TEST_F(CutsTest, CarryingOverMakesPairsOfTheEndStatesInTheNextCut) {
    Document({1, 2, 1});
    // The end copies moved, and one has a path.
    TFigList& list = test::Figures(form.S.Doc).FigList;
    list.At(3)->Data.Offset(100, 0);
    list.At(5)->Data.Offset(200, 0);
    list.At(5)->Data.Free = 1;
    list.At(5)->Data.FreeMoveData = std::make_shared<TPointData>();
    list.At(5)->Data.FreeMoveData->AddPlain(1, 1);
    list.At(5)->Data.FreeMoveCount = 1;
    form.CutCarryOverClick();

    EXPECT_EQ(form.S.Doc.PairCount(), 5);
    EXPECT_EQ(test::StartXs(list),
              (std::vector<int>{10, 20, 30, 110, 230, 110, 20, 230, 110, 230}));
    EXPECT_EQ(Cuts(), (std::vector<std::int32_t>{1, 2, 1, 2, 2, 1, 2, 1, 2, 2}));
    EXPECT_EQ(list.At(4)->Data.Free, 0);
    EXPECT_EQ(list.At(9)->Data.Free, 0);
    EXPECT_EQ(list.At(7)->Data.FreeMoveData->PathCount, 1) << "the source kept its path";
    EXPECT_EQ(form.S.Cuts.CurrentCut, 2);
    EXPECT_TRUE(Highlighted(2));
    EXPECT_EQ(form.CutSelect.Text, "2/2");
}

TEST_F(CutsTest, CarryingOverFromTheFifthThumbnailScrollsTheStrip) {
    Document({5});
    form.CutImage1Click(5);
    EXPECT_TRUE(Highlighted(5));
    form.CutCarryOverClick();
    EXPECT_EQ(form.S.Cuts.StripOffset, 1);
    EXPECT_EQ(form.S.Cuts.CurrentCut, 6);
    EXPECT_TRUE(Highlighted(5));
    EXPECT_FALSE(Highlighted(4));
    EXPECT_TRUE(form.CutCountDownBtn.Enabled);

    // A current cut out of the strip's view: the next cut is shown as thumbnail 1.
    form.S.Cuts.CurrentCut = 1;
    form.CutCarryOverClick();
    EXPECT_EQ(form.S.Cuts.StripOffset, 1);
    EXPECT_EQ(form.S.Cuts.CurrentCut, 2);
    EXPECT_TRUE(Highlighted(1));
}

TEST_F(CutsTest, ScrollingRightAndBackMovesTheCurrentCutWithTheStrip) {
    Document({1, 2});
    for (int i = 0; i < 3; ++i)
        form.CutCountUpBtnClick();
    EXPECT_EQ(form.S.Cuts.StripOffset, 3);
    EXPECT_EQ(form.S.Cuts.CurrentCut, 4);
    EXPECT_TRUE(form.CutCountDownBtn.Enabled);
    EXPECT_EQ(form.S.Cuts.CutCount, 2) << "no more than the highest cut in use";
    for (int i = 0; i < 3; ++i)
        form.CutCountDownBtnClick();
    EXPECT_EQ(form.S.Cuts.CurrentCut, 1);
    EXPECT_FALSE(form.CutCountDownBtn.Enabled);
}

TEST_F(CutsTest, AThumbnailClickChoosesItsCutAndTheCounterIgnoresTyping) {
    Document({1, 3});
    form.PlayBar.SetPosition(300);
    form.CutImage1Click(3);
    EXPECT_EQ(form.S.Cuts.CurrentCut, 3);
    EXPECT_TRUE(Highlighted(3));
    EXPECT_FALSE(Highlighted(1));
    EXPECT_EQ(form.PlayBar.Position(), 0);
    EXPECT_EQ(form.CutSelect.Text, "3/3");

    form.CutSelect.Text = "1/3";
    form.InputEditKeyPress(TKey::Enter);
    form.S.Shell.Mode = TMode::Draw;
    form.InputEdit.Text = "abc";
    form.InputEditKeyPress(TKey::Escape);
    EXPECT_EQ(form.S.Cuts.CurrentCut, 3);
    EXPECT_EQ(form.S.Shell.CurrentTool, TMotionTool::Select);
    EXPECT_TRUE(form.InputEdit.Text.empty());
    EXPECT_FALSE(form.InputEdit.Visible);
}

} // namespace
} // namespace murva
