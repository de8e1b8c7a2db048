// Leaving the program: a fresh window ends at once, work is offered for saving.

#include "support/form_fixture.h"

#include "ui/texts.h"

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
    form.S.History.ActionLog.AppendEmpty()->Data.TargetType = akCleareBG;
    host.Answers = {TAnswer::Cancel};
    EXPECT_EQ(Close(), -1);
    ASSERT_EQ(host.Questions.size(), 1u);
    EXPECT_EQ(host.Questions[0].Text, "Murvaをおわる前にえをほぞんしますか？");
    EXPECT_EQ(host.Questions[0].Caption, "確認");
    EXPECT_EQ(host.Questions[0].Buttons, TQuestionButtons::YesNoCancel);
    EXPECT_EQ(form.S.History.ActionLog.GetCount(), 1);
    host.Answers = {TAnswer::No};
    EXPECT_EQ(Close(), 0);
}

TEST_F(ExitTest, ANamedFileIsOfferedForSavingOver) {
    form.S.History.ActionLog.AppendEmpty()->Data.TargetType = akCleareBG;
    form.S.Shell.DataFileName = "/tmp/a.mrv";
    host.Answers = {TAnswer::No};
    EXPECT_EQ(Close(), 0);
    EXPECT_EQ(host.Questions.at(0).Text, "Murvaをおわる前にえをうわがきほぞんしますか？");
}

} // namespace
} // namespace murva
