// "えをかく": a drawing goes into the bin as a material, one command for もどす, and
// into a material file that opens as the same material.

#include "files/file_names.h"
#include "model/cut_ranges.h"
#include "support/drawing_strokes.h"
#include "support/figure_text.h"
#include "support/form_fixture.h"
#include "support/temp_dir.h"
#include "ui/texts.h"

namespace murva {
namespace {

struct MaterialDrawingTest : test::FormTest {
    TDrawingBoard& Board() { return form.Drawing.Board; }
    // The figures of parts slot 1, as text.
    std::string Slot1() {
        std::string text;
        for (auto* f = form.S.Doc.FigList().GetFirst(); f; f = f->Next)
            if (f->Data.CutNumber == FirstPartsSlot)
                text += std::to_string(int(f->Data.DrawingTool)) + " ";
        return text;
    }
};

TEST_F(MaterialDrawingTest, DoneFillsTheNextSlotAsOneStampOrApartAndIsOneCommand) {
    for (const bool separate : {false, true}) {
        SCOPED_TRACE(separate);
        form.BeginCommand();
        ASSERT_TRUE(form.DrawBtnClick());
        Board().Separate = separate;
        test::DrawEveryKind(Board(), 5);
        form.BeginCommand();
        EXPECT_TRUE(form.DrawDoneClick());
        EXPECT_TRUE(Board().IsEmpty());
        // The start copies in the slot, and their end copies beside them.
        EXPECT_EQ(Slot1(), separate ? "2 5 4 3 6 7 1 2 5 4 3 6 7 1 " : "8 8 ");
        EXPECT_EQ(form.S.Parts.PartsCount, 1);
        form.BeginCommand();
        form.UndoBtnClick();
        EXPECT_EQ(Slot1(), "");
        EXPECT_EQ(form.S.Parts.PartsCount, 0);
    }
}

TEST_F(MaterialDrawingTest, CancelAndClearAskBeforeAnythingDrawnIsLost) {
    ASSERT_TRUE(form.DrawBtnClick());
    EXPECT_TRUE(form.DrawCancelClick()); // nothing drawn: no question
    EXPECT_TRUE(host.Questions.empty());
    test::DrawEveryKind(Board(), 1);
    host.Answers = {TAnswer::No, TAnswer::No};
    EXPECT_FALSE(form.DrawCancelClick());
    form.DrawClearClick();
    EXPECT_EQ(Board().Figures().size(), 7u);
    ASSERT_EQ(host.Questions.size(), 2u);
    EXPECT_EQ(host.Questions[0].Text, texts::ReallyDropDrawing);
    EXPECT_EQ(host.Questions[1].Default, TAnswer::No);
    host.Answers = {TAnswer::Yes};
    EXPECT_TRUE(form.DrawCancelClick());
    EXPECT_TRUE(Board().IsEmpty());
    EXPECT_TRUE(form.S.Doc.Log().IsEmpty());
}

TEST_F(MaterialDrawingTest, ASavedDrawingOpensAsTheSameMaterial) {
    test::TempDir temp;
    ASSERT_TRUE(form.DrawBtnClick());
    test::DrawEveryKind(Board(), 9);
    host.SaveResults = {temp.Path("drawn.znd")};
    form.DrawSaveClick();
    EXPECT_EQ(host.Messages.back(), texts::DrawingSaved);
    // Saved over: the old file is kept by its whole name, apart from an animation's a.bak.
    host.SaveResults = {temp.Path("drawn.znd")};
    host.Answers = {TAnswer::Yes};
    form.DrawSaveClick();
    EXPECT_TRUE(FileExists(temp.Path("drawn.znd.bak")));
    EXPECT_FALSE(FileExists(temp.Path("drawn.bak")));
    form.DrawDoneClick();

    test::FakeHost otherHost;
    test::RecordingGraphics otherGraphics;
    TZindaForm other(otherHost, otherGraphics);
    other.FormCreate({});
    other.OpenFileByName(temp.Path("drawn.znd"));
    EXPECT_EQ(test::Figures(other), test::Figures(form));
}

// A text a file cannot hold (it would turn into "?") is refused as it is entered, with a
// word, and waits in the edit to be mended.
TEST_F(MaterialDrawingTest, ATextAFileCannotHoldIsRefusedWhenEntered) {
    ASSERT_TRUE(form.DrawBtnClick());
    Board().Tool = TBoardTool::Text;
    const std::pair<const char*, bool> typed[] = {{"cat ねこ 猫 ①", true},
                                                  {"cat \xF0\x9F\x90\xB1", false},
                                                  {"\xED\x95\x9C\xEA\xB8\x80", false}};
    for (const auto& [text, held] : typed) {
        SCOPED_TRACE(text);
        host.Messages.clear();
        Board().Press({50, 50});
        form.DrawTextEnter(text);
        EXPECT_EQ(Board().TextWanted().has_value(), !held);
        EXPECT_EQ(host.Messages, held ? std::vector<std::string>{}
                                      : std::vector<std::string>{texts::CharacterNotKept});
    }
    ASSERT_EQ(Board().Figures().size(), 1u);
    EXPECT_EQ(Board().Figures()[0].Text, "cat ねこ 猫 ①");
}

} // namespace
} // namespace murva
