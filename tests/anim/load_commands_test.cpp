// The file menu's two load commands, "ムルヴァからよみこむ" and "そざいをよみこむ": their
// dialogs, refusals and question, and where the figures they read end up.

#include "support/document_access.h"
#include "support/form_fixture.h"

#include "model/cut_ranges.h"
#include "support/figure_builders.h"
#include "support/material_files.h"
#include "support/temp_dir.h"
#include "ui/texts.h"

#include <fstream>

namespace murva {
namespace {

struct LoadCommandTest : test::FormTest {
    test::TempDir temp;
    using Command = void (TZindaForm::*)();
    static constexpr Command Murva = &TZindaForm::MurvaLoadClick;
    static constexpr Command Zinda = &TZindaForm::ZindaLoadClick;

    std::string Material(const std::string& name, const std::vector<int>& xs) {
        return test::WriteMaterial(temp, name, xs);
    }
    void Choose(Command command, const std::optional<std::string>& path) {
        host.OpenResults = {path};
        (form.*command)();
    }
    std::vector<int> Xs() const { return test::StartXs(form.S.Doc.FigList()); }

    void ExpectThreePairsInTheFirstSlot(Command command, std::int32_t endCopyRotation) {
        Choose(command, Material("three.znd", {1, 2, 3}));
        EXPECT_EQ(Xs(), (std::vector<int>{1, 2, 3, 1, 2, 3}));
        EXPECT_EQ(form.S.Doc.PairCount(), 3);
        EXPECT_EQ(form.S.Parts.PartsCount, 1);
        for (auto* f = form.S.Doc.FigList().GetFirst(); f; f = f->Next)
            EXPECT_EQ(f->Data.CutNumber, FirstPartsSlot);
        EXPECT_EQ(form.S.Doc.FigList().At(3)->Data.EndCopyMark, endCopyRotation);
    }
};

TEST_F(LoadCommandTest, EachCommandOffersItsFilesAndRefusesOthersAndWhilePlaying) {
    for (auto [command, filter] :
         {std::pair{Murva, texts::DataOpenFilter}, std::pair{Zinda, texts::ZindaOpenFilter}}) {
        host.OpenDialogs.clear();
        Choose(command, std::nullopt);
        ASSERT_EQ(host.OpenDialogs.size(), 1u);
        EXPECT_EQ(host.OpenDialogs[0].Filter, filter);
        EXPECT_TRUE(host.Messages.empty());

        Choose(command, temp.Path("picture.bmp"));
        EXPECT_EQ(host.Messages, std::vector<std::string>{texts::WrongFileFormat});
        form.S.Shell.Mode = TMode::Watch;
        Choose(command, Material("a.znd", {5}));
        EXPECT_EQ(host.Messages.back(), texts::NoLoadWhilePlaying);
        form.S.Shell.Mode = TMode::Draw;
        host.Messages.clear();
    }
    EXPECT_TRUE(form.S.Doc.FigList().IsEmpty());
    EXPECT_TRUE(form.S.Doc.Log().IsEmpty());
}

TEST_F(LoadCommandTest, AnAnimationIsAskedForOnlyOverWorkAndNoChangesNothing) {
    std::ofstream(temp.Path("a.mrv"), std::ios::binary) << "ZINDA FILE FORMAT 1.4\r\n";
    Choose(Murva, temp.Path("a.mrv"));
    EXPECT_TRUE(host.Questions.empty()) << "nothing to lose";
    EXPECT_EQ(form.Caption, std::string(texts::VersionTitle) + " - " + temp.Path("a.mrv"));
    test::History(form.S.Doc).ActionLog.AppendEmpty()->Data.TargetType = TActionKind::ClearBG;
    for (Command command : {Murva, Zinda}) {
        host.Questions.clear();
        Choose(command, temp.Path("a.mrv"));
        ASSERT_EQ(host.Questions.size(), 1u);
        EXPECT_EQ(host.Questions[0].Text, texts::ReallyLoadData);
        EXPECT_EQ(host.Questions[0].Caption, "かくにん");
        EXPECT_EQ(form.S.Doc.Log().GetCount(), 1);
    }
}

// Only "そざいをよみこむ" marks the end copies it makes.
TEST_F(LoadCommandTest, AMaterialIntoAnEmptyWindowBecomesPairsInTheFirstSlot) {
    ExpectThreePairsInTheFirstSlot(Zinda, 1);
}

TEST_F(LoadCommandTest, ADrawingReadIntoAnEmptyAnimationBecomesPairsInTheFirstSlot) {
    ExpectThreePairsInTheFirstSlot(Murva, 0);
}

TEST_F(LoadCommandTest, TwoFiguresIntoFivePairsKeepEveryPairAtItsDistance) {
    Choose(Zinda, Material("five.znd", {1, 2, 3, 4, 5}));
    Choose(Murva, Material("two.znd", {8, 9}));
    EXPECT_EQ(Xs(), (std::vector<int>{1, 2, 3, 4, 5, 8, 9, 1, 2, 3, 4, 5, 8, 9}));
    EXPECT_EQ(form.S.Doc.PairCount(), 7);
    EXPECT_EQ(form.S.Doc.FigList().At(5)->Data.CutNumber, FirstPartsSlot + 1);
    EXPECT_EQ(form.S.Parts.PartsCount, 2) << "the next material would join slot 2";
}

TEST_F(LoadCommandTest, AMaterialAddedAfterEveryPairWasDeletedIsReadAloneNotTheWholeLog) {
    Choose(Zinda, Material("first.znd", {1, 2}));
    // Every pair deleted: the log keeps its actions.
    test::Figures(form.S.Doc).FigList.Clear();
    test::Figures(form.S.Doc).FigureCount = 0;
    test::Figures(form.S.Doc).PairCount = 0;
    Choose(Zinda, Material("second.znd", {7}));
    EXPECT_EQ(Xs(), (std::vector<int>{7, 7}));
    EXPECT_EQ(form.S.Doc.PairCount(), 1);
}

TEST_F(LoadCommandTest, ADrawingThatClearsThePictureLeavesNoSelectionBehind) {
    Choose(Murva, Material("first.znd", {1, 2}));
    form.PartsUseBtnClick(1);
    form.PaintBoxMouseDown(5, 15); // an end copy: selected, and the frame's last figure
    ASSERT_NE(form.S.Doc.LastSelectedFig(), nullptr);
    const std::string clears = temp.Path("clears.znd");
    std::ofstream(clears, std::ios::binary)
        << "ZINDA FILE FORMAT 1.4\r\nbegin ActionData\r\n2011 06 14 10 05 33 27\r\n0\r\n"
           "ClearAll\r\nend ActionData\r\n";
    Choose(Murva, clears);
    EXPECT_EQ(form.S.Doc.SelectedFig(), nullptr);
    EXPECT_EQ(form.S.Doc.LastSelectedFig(), nullptr);
    form.PaintBoxMouseDown(5, 15); // toggles no frame of a figure that is gone
}

TEST_F(LoadCommandTest, AMaterialUsedAndCarriedOverComesBackFromTheSavedAnimation) {
    Choose(Zinda, Material("m.znd", {10, 60}));
    Choose(Zinda, Material("n.znd", {300}));
    form.PartsUseBtnClick(1);
    form.CutCarryOverClick();
    ASSERT_EQ(form.CutSelect.Text, "2/2");
    const std::vector<int> xs = Xs();
    std::vector<std::int32_t> cuts;
    for (auto* f = form.S.Doc.FigList().GetFirst(); f; f = f->Next)
        cuts.push_back(f->Data.CutNumber);
    ASSERT_EQ(cuts, (std::vector<std::int32_t>{1, 1, 100, 2, 2, 1, 1, 100, 2, 2}));

    host.SaveResults = {temp.Path("film.mrv")};
    form.WriteDataMenuClick();
    form.DrawingBtnClick(TMotionButton::MoveLineBtn);
    host.Answers = {TAnswer::Yes};
    Choose(Murva, temp.Path("film.mrv"));
    // Shown on cut 1 with the free tool, and the strip says so.
    EXPECT_EQ(Shown().CutSelect.Text, "1/2");
    EXPECT_EQ(form.HolesOfThumb(1)[0]->Color, clRed);
    EXPECT_EQ(form.HolesOfThumb(2)[0]->Color, clWhite);
    EXPECT_TRUE(form.MoveFreeBtn.Down);
    EXPECT_EQ(Xs(), xs);
    std::vector<std::int32_t> loaded;
    for (auto* f = form.S.Doc.FigList().GetFirst(); f; f = f->Next)
        loaded.push_back(f->Data.CutNumber);
    EXPECT_EQ(loaded, cuts);
    EXPECT_EQ(form.S.Cuts.CutCount, 2);
    EXPECT_EQ(form.S.Parts.PartsCount, 1);
    EXPECT_TRUE(host.Messages.empty());
}

} // namespace
} // namespace murva
