// Leaving the program: a fresh window ends at once, work is offered for saving.

#include "support/document_access.h"
#include "support/form_fixture.h"

#include "support/material_files.h"
#include "support/temp_dir.h"
#include "ui/texts.h"

#include <fstream>
#include <sstream>

namespace murva {
namespace {

struct ExitTest : test::FormTest {
    // The exit code, or -1 when the program goes on.
    int Close() {
        try {
            form.FormCloseQuery();
        } catch (const TProcessExit& exit) {
            return exit.Code;
        }
        return -1;
    }
};

TEST_F(ExitTest, AFreshWindowEndsWithCodeZeroWithoutAQuestion) {
    EXPECT_EQ(Close(), 0);
    EXPECT_TRUE(host.Questions.empty());
}

TEST_F(ExitTest, NewWorkIsOfferedForSavingAndCancelKeepsItOpen) {
    test::History(form.S.Doc).ActionLog.AppendEmpty()->Data.TargetType = TActionKind::ClearBG;
    host.Answers = {TAnswer::Cancel};
    EXPECT_EQ(Close(), -1);
    ASSERT_EQ(host.Questions.size(), 1u);
    EXPECT_EQ(host.Questions[0].Text, "Murvaをおわる前にえをほぞんしますか？");
    EXPECT_EQ(host.Questions[0].Caption, "確認");
    EXPECT_EQ(host.Questions[0].Buttons, TQuestionButtons::YesNoCancel);
    EXPECT_EQ(form.S.Doc.Log().GetCount(), 1);
    host.Answers = {TAnswer::No};
    EXPECT_EQ(Close(), 0);
}

TEST_F(ExitTest, ANamedFileIsOfferedForSavingOver) {
    test::History(form.S.Doc).ActionLog.AppendEmpty()->Data.TargetType = TActionKind::ClearBG;
    form.S.Shell.DataFileName = "/tmp/a.mrv";
    host.Answers = {TAnswer::No};
    EXPECT_EQ(Close(), 0);
    EXPECT_EQ(host.Questions.at(0).Text, "Murvaをおわる前にえをうわがきほぞんしますか？");
}

TEST_F(ExitTest, YesSavesOverTheLoadedAnimationAndEnds) {
    test::TempDir temp;
    const std::string film = temp.Path("film.mrv");
    host.SaveResults = {film};
    form.OpenFileByName(test::WriteMaterial(temp, "m.znd", {10}));
    form.PartsUseBtnClick(1);
    form.WriteDataMenuClick();
    form.OpenFileByName(film);
    form.PaintBoxMouseDown(15, 15);
    form.PaintBoxMouseMove(45, 25);
    form.PaintBoxMouseUp(45, 25);
    host.Answers = {TAnswer::Yes};
    EXPECT_EQ(Close(), 0);
    EXPECT_EQ(host.Questions.back().Text, texts::SaveOverBeforeExit);
    std::ifstream saved(film, std::ios::binary);
    std::stringstream text;
    text << saved.rdbuf();
    EXPECT_NE(text.str().find("\r\nMove\r\n"), std::string::npos) << "the drag was saved";
}

TEST_F(ExitTest, ASaveThatDidNotHappenKeepsTheWork) {
    test::History(form.S.Doc).ActionLog.AppendEmpty()->Data.TargetType = TActionKind::ClearBG;
    host.Answers = {TAnswer::Yes};
    host.SaveResults = {std::nullopt}; // the dialog is cancelled
    EXPECT_EQ(Close(), -1);
    EXPECT_EQ(form.S.Doc.Log().GetCount(), 1);
}

TEST_F(ExitTest, ClearingEverythingWhileWatchingLeavesNothingToAskAbout) {
    test::TempDir temp;
    form.OpenFileByName(test::WriteMaterial(temp, "m.znd", {10, 40}));
    form.PartsUseBtnClick(1);
    form.DrawingBtnClick(TMotionButton::MoveLineBtn);
    form.SelectMoveBtnClick();
    form.ClearAllClick(); // "いいえ", the default
    EXPECT_FALSE(form.S.Doc.FigList().IsEmpty());
    ASSERT_EQ(host.Questions.size(), 1u);
    EXPECT_EQ(host.Questions[0].Text, texts::ReallyClearAll);
    EXPECT_EQ(host.Questions[0].Default, TAnswer::No);
    host.Questions.clear();
    host.Answers = {TAnswer::Yes};
    form.ClearAllClick();
    EXPECT_EQ(host.Messages, std::vector<std::string>{texts::AllCleared});
    EXPECT_TRUE(form.S.Doc.FigList().IsEmpty());
    EXPECT_EQ(form.S.Parts.PartsCount, 0);
    EXPECT_TRUE(form.ObjectPanel.Visible) << "back to making";
    EXPECT_EQ(form.S.Shell.CurrentTool, TMotionTool::MoveFree);
    EXPECT_TRUE(Shown().MoveFreeBtn.Down) << "the tool in use";
    EXPECT_EQ(form.CutSelect.Text, "1/1");
    EXPECT_EQ(Close(), 0);
    EXPECT_EQ(host.Questions.size(), 1u) << "none at the exit";
}

} // namespace
} // namespace murva
