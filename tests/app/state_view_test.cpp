// What the window shows follows the state whichever way it got there: the counter, the
// marked thumbnail, the pressed motion tool, and no selection frame outside the cut.

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
    // Two figures put into cut 1 and carried over `carried` times: the last cut is current.
    void Cuts(int carried) {
        form.OpenFileByName(test::WriteMaterial(temp, "m.znd", {10, 40}));
        form.PartsMoveBtrClick(1);
        for (int k = 0; k < carried; ++k)
            form.CutCarryOverClick();
    }
    void Straight() { form.DrawingBtnClick(TMotionButton::MoveLineBtn); }
    std::vector<std::string>& FieldCalls() {
        return static_cast<test::RecordingBitmap&>(*form.CanvasBitmap).canvas.Calls;
    }
};

TEST(StateView, CounterMarkMotionToolAndFrameFollowTheState) {
    struct Case {
        const char* Name;
        std::function<void(TWindow&)> Steps;
        const char* Counter;
        int Thumb;
        bool FreeTool;
    };
    const std::vector<Case> cases = {
        {"start-up", [](TWindow&) {}, "1/1", 1, true},
        {"a reset", [](TWindow& w) { w.Straight(), w.form.ResetDocument(); }, "1/1", 1, true},
        {"a repaint of nothing", [](TWindow& w) { w.form.PaintBoxPaint(); }, "1/1", 1, false},
        {"reopening a file saved on cut 2",
         [](TWindow& w) {
             w.Cuts(1);
             w.host.SaveResults = {w.temp.Path("a.mrv")};
             w.form.WriteDataMenuClick();
             w.Straight();
             w.host.Answers = {TAnswer::Yes};
             w.form.OpenFileByName(w.temp.Path("a.mrv"));
         },
         "1/2", 1, true},
        {"deleting the last of three cuts, a figure of it selected",
         [](TWindow& w) {
             w.Cuts(2);
             w.form.PaintBoxMouseDown(45, 15);
             w.form.PaintBoxMouseUp(45, 15);
             w.FieldCalls().clear();
             w.form.CutDeleteClick();
         },
         "2/2", 2, true},
        {"ぜんぶけす on cut 2",
         [](TWindow& w) {
             w.Cuts(1);
             w.Straight();
             w.host.Answers = {TAnswer::Yes};
             w.form.ClearAllClick();
         },
         "1/1", 1, true},
    };
    for (const Case& c : cases) {
        TWindow w;
        c.Steps(w);
        TZindaForm& form = w.form;
        form.ShowState();
        EXPECT_EQ(form.CutSelect.Text, c.Counter) << c.Name;
        for (int k = 1; k <= 5; ++k) {
            EXPECT_EQ(form.HolesOfThumb(k)[0]->Color == clRed, k == c.Thumb) << c.Name << k;
            EXPECT_EQ(form.ImagePanels[k - 1].Bevel == TBevel::Lowered, k == c.Thumb) << c.Name;
        }
        EXPECT_EQ(form.MoveFreeBtn.Down, c.FreeTool) << c.Name;
        EXPECT_NE(form.MoveLineBtn.Down, c.FreeTool) << c.Name;
        for (const std::string& call : w.FieldCalls())
            EXPECT_EQ(call.find("notxor"), std::string::npos) << c.Name << ": " << call;
    }
}

} // namespace
} // namespace murva
