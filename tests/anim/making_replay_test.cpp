// "できるまで": the log replayed from an empty field, a command a picture, on the cut the
// command worked on, with the play bar counting the commands and then stepping through
// them; stopped or not, the document, the selection and the cuts are as before.

#include "support/document_access.h"
#include "support/form_fixture.h"

#include "support/material_files.h"
#include "ui/texts.h"

#include <sstream>

namespace murva {
namespace {

struct MakingReplayTest : test::FormTest {
    test::TempDir temp;
    // Everything the replay must leave as it was.
    std::string State() {
        const TFigureState& figures = test::Figures(form.S.Doc);
        std::ostringstream out;
        int i = 0;
        for (auto* f = figures.FigList.GetFirst(); f; f = f->Next, ++i)
            out << f->Data.Start.x << "," << f->Data.Start.y << " " << f->Data.End.x << ","
                << f->Data.End.y << " cut " << f->Data.CutNumber << " brush " << f->Data.BrushColor
                << (f == figures.SelectedFig ? " selected" : "")
                << (f == figures.LastSelectedFig ? " last" : "") << "\n";
        out << "pairs " << figures.PairCount << " id " << figures.FigureCount << " cut "
            << form.S.Cuts.CurrentCut << "/" << form.S.Cuts.CutCount << " strip "
            << form.S.Cuts.StripOffset << " mode " << int(form.S.Shell.Mode) << " bar "
            << form.PlayBar.Position() << "/" << form.PlayBar.Max << " running "
            << form.S.Playback.Running;
        return out.str();
    }
};

TEST(MakingReplayPace, EachCommandStaysHalfASecondAndTheWholeAtMostAMinute) {
    const std::pair<std::size_t, double> paces[] = {
        {1, 500}, {17, 500}, {120, 500}, {240, 250}, {6000, 10}};
    for (const auto& [pictures, each] : paces)
        EXPECT_DOUBLE_EQ(TMakingReplay::PictureMilliseconds(pictures), each) << pictures;
}

TEST_F(MakingReplayTest, ShowsEachCommandOnItsCutAndLeavesEverythingAsItWas) {
    form.MakingBtnClick();
    EXPECT_EQ(host.Messages, std::vector<std::string>{texts::NothingToPlay}) << "an empty log";

    // Two materials, one used in cut 1 and one in cut 2 (the bin moves up); a figure of
    // cut 1 dragged and filled with another colour.
    std::size_t intoCut2 = 0;
    const std::vector<std::function<void()>> commands = {
        [&] {
            form.OpenFileByName(test::WriteMaterial(temp, "a.znd", {10, 40}));
        },
        [&] { form.OpenFileByName(test::WriteMaterial(temp, "b.znd", {300})); },
        [&] { form.PartsUseBtnClick(1); },
        [&] { form.CutImage1Click(2); },
        [&] {
            form.PartsUseBtnClick(1);
            intoCut2 = form.S.Doc.Commands().Ends.size();
        },
        [&] { form.CutImage1Click(1); },
        [&] {
            form.PaintBoxMouseDown(40, 10);
            form.PaintBoxMouseMove(90, 50);
            form.PaintBoxMouseUp(90, 50);
        },
        [&] {
            form.ColorPanelClick(5);
            form.AttrChangeBtnClick(TColorButton::BodyColorBtn);
        },
    };
    for (const auto& command : commands) {
        form.BeginCommand();
        command();
    }
    form.SelectMoveBtnClick();
    const std::size_t made = form.S.Doc.Commands().Ends.size();
    ASSERT_GE(made, 6u) << "two loads, two uses, a drag and a colour";
    ASSERT_NE(form.S.Doc.SelectedFig(), nullptr) << "the recoloured figure";
    const std::string before = State();
    const std::int32_t present = form.S.Doc.FigList().Count();

    struct TFrame {
        std::int32_t Figures, Cut, Bar, BarMax;
    };
    std::vector<TFrame> frames, whole;
    host.OnFrame = [&] {
        frames.push_back({form.Making.Shown().FigList().Count(), form.S.Cuts.CurrentCut,
                          form.PlayBar.Position(), form.PlayBar.Max});
    };
    for (const std::size_t stopAt : {std::size_t(0), std::size_t(3)}) {
        SCOPED_TRACE(stopAt);
        frames.clear();
        std::size_t waits = 0;
        const double start = host.Elapsed;
        host.OnWait = [&] {
            if (++waits == stopAt) form.PlayButtonClick();
        };
        form.MakingBtnClick();
        ASSERT_EQ(frames.size(), stopAt ? stopAt : made + 1);
        if (!stopAt) whole = frames;
        // Afterwards the play bar steps through the commands as the replay showed them,
        // until any input but a look.
        EXPECT_EQ(form.PlayBar.Position(), int(frames.size()) - 1);
        form.ShowState();
        EXPECT_TRUE(form.PartsBox.Visible && !form.PartsMoveBtns[0].Enabled) << "shown, not used";
        for (const int p : {1, int(made), 0, 4, 5}) {
            form.BeginCommand(TInput::Look);
            form.PlayBar.SetPosition(p);
            EXPECT_EQ(form.Making.Shown().FigList().Count(), whole[std::size_t(p)].Figures) << p;
            EXPECT_EQ(form.S.Cuts.CurrentCut, whole[std::size_t(p)].Cut) << p;
        }
        form.BeginCommand();
        EXPECT_EQ(State(), before);
        EXPECT_EQ(frames[0].Figures, 0) << "from an empty field";
        for (std::size_t k = 0; k < frames.size(); ++k) {
            EXPECT_EQ(frames[k].Bar, int(k));
            EXPECT_EQ(frames[k].BarMax, int(made));
            if (k > 0) {
                EXPECT_GE(frames[k].Figures, frames[k - 1].Figures) << k;
            }
        }
        if (stopAt) continue;
        EXPECT_EQ(frames[intoCut2].Cut, 2) << "the command that filled cut 2 is shown there";
        EXPECT_EQ(frames[intoCut2 + 1].Cut, 1);
        EXPECT_EQ(frames.back().Figures, present);
        EXPECT_EQ(frames.back().Cut, 1) << "it ends on the present picture";
        EXPECT_DOUBLE_EQ(host.Elapsed - start, 500.0 * double(made + 1));
    }
    // Filmed more slowly than the commands come, it still has the first and the present.
    std::vector<std::int32_t> filmed;
    TFilming filming{1e-3, [&] {
                         filmed.push_back(form.Making.Shown().FigList().Count());
                         return true;
                     }};
    EXPECT_TRUE(form.Making.Replay(&filming));
    EXPECT_EQ(filmed, (std::vector<std::int32_t>{0, present}));
    EXPECT_EQ(State(), before);
}

} // namespace
} // namespace murva
