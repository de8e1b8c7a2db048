// What the window shows follows the state after every way of getting there: the counter,
// the marked thumbnail, the pressed motion tool and the selection frame.

#include "app/zinda_form.h"
#include "support/fake_host.h"
#include "support/material_files.h"
#include "support/recording_graphics.h"

#include <functional>
#include <gtest/gtest.h>

namespace murva {
namespace {

struct TWindow {
    test::FakeHost host;
    test::RecordingGraphics graphics;
    TZindaForm form{host, graphics};
    test::TempDir temp;
    TWindow() { form.FormCreate({}); }

    // A material of two figures in slot 1, put into cut 1 and carried over `carried`
    // times: the last cut is current.
    void Cuts(int carried) {
        form.OpenFileByName(test::WriteMaterial(temp, "m.znd", {10, 40}));
        form.PartsMoveBtrClick(1);
        for (int k = 0; k < carried; ++k)
            form.CutCarryOverClick();
    }
    int MarkedThumb() {
        form.ShowState();
        int marked = 0;
        for (int k = 1; k <= 5; ++k)
            if (form.HolesOfThumb(k)[0]->Color == clRed &&
                form.ImagePanels[k - 1].Bevel == TBevel::Lowered)
                marked = marked ? -1 : k;
        return marked;
    }
};

TEST(StateView, CounterMarkAndMotionToolFollowTheState) {
    struct Case {
        const char* Name;
        std::function<void(TWindow&)> Steps;
        const char* Counter;
        int Thumb;
        bool FreeTool;
    };
    const auto straight = [](TWindow& t) { t.form.DrawingBtnClick(TMotionButton::MoveLineBtn); };
    const std::vector<Case> cases = {
        {"start-up", [](TWindow&) {}, "1/1", 1, true},
        {"the straight tool, then a reset",
         [straight](TWindow& t) {
             straight(t);
             t.form.ResetDocument();
         },
         "1/1", 1, true},
        {"a repaint of the empty document", [](TWindow& t) { t.form.PaintBoxPaint(); }, "1/1", 1,
         false},
        {"reopening an animation saved on cut 2",
         [straight](TWindow& t) {
             t.Cuts(1);
             t.host.SaveResults = {t.temp.Path("a.mrv")};
             t.form.WriteDataMenuClick();
             straight(t);
             t.host.Answers = {TAnswer::Yes};
             t.form.OpenFileByName(t.temp.Path("a.mrv"));
         },
         "1/2", 1, true},
        {"deleting the last of three cuts",
         [](TWindow& t) {
             t.Cuts(2);
             t.form.CutDeleteClick();
         },
         "2/2", 2, true},
        {"ぜんぶけす on cut 2",
         [straight](TWindow& t) {
             t.Cuts(1);
             straight(t);
             t.host.Answers = {TAnswer::Yes};
             t.form.ClearAllClick();
         },
         "1/1", 1, true},
    };
    for (const Case& c : cases) {
        TWindow t;
        c.Steps(t);
        EXPECT_EQ(t.MarkedThumb(), c.Thumb) << c.Name;
        EXPECT_EQ(t.form.CutSelect.Text, c.Counter) << c.Name;
        EXPECT_EQ(t.form.MoveFreeBtn.Down, c.FreeTool) << c.Name;
        EXPECT_NE(t.form.MoveLineBtn.Down, c.FreeTool) << c.Name;
    }
}

TEST(StateView, AFigureOfAnotherCutHasNoFrame) {
    TWindow t;
    TZindaForm& form = t.form;
    t.Cuts(1);
    form.PaintBoxMouseDown(45, 15); // the second figure's end copy in cut 2
    form.PaintBoxMouseUp(45, 15);
    ASSERT_NE(form.S.Doc.Figures.SelectedFig, nullptr);
    auto& calls = static_cast<test::RecordingBitmap&>(*form.CanvasBitmap).canvas.Calls;
    calls.clear();
    form.CutDeleteClick();
    for (const std::string& call : calls)
        EXPECT_EQ(call.find("notxor"), std::string::npos) << call;
}

} // namespace
} // namespace murva
