// Watching: a run moves a copy of each start copy towards its end copy in position, size
// and colour, straight or along a path, to the clock of its profile, and leaves the start
// copy as it was; the scrub shows any step; playing all runs every cut; the two buttons
// switch the panels.

#include "edit/edit_fixture.h"
#include "support/document_access.h"

#include "anim/pacing.h"
#include "ui/texts.h"

#include <functional>

namespace murva::test {
namespace {

struct PlaybackTest : EditTest {
    // One pair: the start copy's box, and the end copy's.
    void AddPair(TRect start, TRect end, std::int32_t cut = 1) {
        test::AddPair(test::Figures(form.S.Doc),
                      MakeRect(start.Left, start.Top, start.Right, start.Bottom, cut),
                      MakeRect(end.Left, end.Top, end.Right, end.Bottom, cut));
    }
    void Steps(std::int32_t steps) {
        form.S.Motion.PlaySteps = steps;
        form.PlayBar.SetRange(0, steps);
    }
    // Calls `seen` at every step of a run, after the step.
    void Watch(std::function<void(std::int32_t step)> seen) {
        host.OnWait = [this, seen] { seen(form.PlayBar.Position()); };
    }
    void Play() {
        form.SelectMoveBtnClick();
        form.PlayButtonClick();
    }
    TFigData& Start(int pair = 0) { return At(pair)->Data; }
    // The moving copy of the run in progress.
    const TFigData& Moving(std::size_t k = 0) { return form.Playback.Motions().at(k).Figure; }
};

TEST_F(PlaybackTest, AStartCopyMovesStraightToItsEndCopyAndComesBack) {
    AddPair({100, 200, 120, 220}, {200, 150, 220, 170});
    Steps(1000);
    int rightMoves = 0, upMoves = 0;
    TPoint last = Start().Start;
    int firstRight = 0;
    bool documentMoved = false;
    Watch([&](std::int32_t step) {
        const TPoint now = Moving().Start;
        documentMoved |= Start().Start != TPoint{100, 200};
        rightMoves += now.x - last.x;
        upMoves += last.y - now.y;
        if (now.x != last.x && firstRight == 0) firstRight = step;
        last = now;
    });
    Play();
    EXPECT_TRUE(rightMoves == 99 || rightMoves == 100) << rightMoves;
    EXPECT_TRUE(upMoves == 49 || upMoves == 50) << upMoves;
    EXPECT_NEAR(firstRight, 10, 1) << "about every tenth step";
    EXPECT_FALSE(documentMoved);
    EXPECT_EQ(Start().Start, (TPoint{100, 200}));
    EXPECT_EQ(form.PlayBar.Position(), 1000);
}

TEST_F(PlaybackTest, SizeAndColourStepOneUnitAtATimeAndComeBack) {
    AddPair({0, 0, 80, 20}, {20, 0, 60, 20});
    At(1)->Data.PenColor = clRed;
    Steps(1000);
    std::vector<std::int32_t> narrowedAt;
    TColor pen = 0;
    Watch([&](std::int32_t step) {
        if (Moving().End.x - Moving().Start.x < 80 - 2 * int(narrowedAt.size()))
            narrowedAt.push_back(step);
        pen = Moving().PenColor;
    });
    Play();
    ASSERT_GE(narrowedAt.size(), 19u);
    EXPECT_NEAR(narrowedAt[0], 51, 2) << "one pixel per side about every 50 steps";
    EXPECT_NEAR(narrowedAt[1] - narrowedAt[0], 50, 2);
    EXPECT_NEAR(RedOf(pen), 254, 1) << "about one short";
    EXPECT_EQ(Start().PenColor, clBlack);
    EXPECT_EQ(Start().End.x, 80);
}

TEST_F(PlaybackTest, APathOfElevenPointsIsTenMovesWhateverTheSteps) {
    for (const std::int32_t steps : {57, 1000}) {
        form.ResetDocument();
        test::Figures(form.S.Doc).PairCount = 0;
        AddPair({0, 0, 10, 10}, {0, 0, 10, 10});
        TFigData& end = At(1)->Data;
        end.FreeMoveData = std::make_shared<TPointData>();
        for (int k = 0; k <= 10; ++k)
            end.FreeMoveData->AddTracked(k * 3, k * k);
        end.FreeMoveCount = 11;
        end.Free = 1;
        Steps(steps);
        int moves = 0;
        TPoint last = Start().Start;
        Watch([&](std::int32_t) {
            moves += Moving().Start != last;
            last = Moving().Start;
        });
        Play();
        EXPECT_EQ(moves, 10) << steps << " steps";
        EXPECT_EQ(last, (TPoint{30, 100}));
        EXPECT_EQ(Start().Free, 0) << "the start copy's own path is back";
    }
}

TEST_F(PlaybackTest, TheRunKeepsToItsClockAndShowsFramesAtTheScreensPace) {
    AddPair({0, 0, 10, 10}, {100, 0, 110, 10});
    for (const TSpeedProfile profile :
         {TSpeedProfile::Even, TSpeedProfile::Faster, TSpeedProfile::Slower}) {
        form.S.Motion.SpeedProfile = profile;
        host.Elapsed = 0;
        host.Frames = 0;
        double firstStepEnds = -1;
        Watch([&](std::int32_t step) {
            if (step == 2) firstStepEnds = host.Elapsed;
        });
        Play();
        EXPECT_DOUBLE_EQ(host.Elapsed, 800 * StepMilliseconds) << "profile " << int(profile);
        // No two frames closer than the screen's pace, and none far apart.
        EXPECT_LE(host.Frames, 2000 / FrameMilliseconds + 1);
        EXPECT_GE(host.Frames, 2000 / (2 * FrameMilliseconds));
        // The first step: even, 1.6 times as long (starting slow), or 0.4 times.
        const double expected = profile == TSpeedProfile::Even     ? 1.0
                                : profile == TSpeedProfile::Faster ? 1.6
                                                                   : 0.4;
        EXPECT_NEAR(firstStepEnds / StepMilliseconds, expected, 0.01) << "profile " << int(profile);
    }
}

TEST_F(PlaybackTest, AStampsChildrenFollowItsBoxAndColourAndComeBack) {
    for (const bool recorded : {true, false}) {
        form.ResetDocument();
        test::Figures(form.S.Doc).PairCount = 0;
        host.Messages.clear();
        AddPair({100, 100, 200, 150}, {50, 100, 250, 150});
        for (int i : {0, 1}) {
            TFigData& stamp = At(i)->Data;
            stamp.DrawingTool = TDrawingTool::Stamp;
            stamp.StampData = std::make_shared<TFigList>();
            stamp.StampData->Add(MakeRect(10, 0, 50, 20));
        }
        At(1)->Data.PenColor = clRed;
        if (recorded) {
            form.S.Doc.Select(At(0));
            form.S.Doc.RecordMove(At(0));
        }
        Steps(800);
        std::int32_t widest = 0;
        TColor childPen = 0;
        Watch([&](std::int32_t) {
            const TFigData& child = Moving().StampData->GetFirst()->Data;
            widest = std::max(widest, child.End.x - child.Start.x);
            childPen = child.PenColor;
        });
        Play();
        // Twice as wide at the end: the child too, when the stamp has its recorded copy;
        // without one it stays as it is, after one message.
        EXPECT_NEAR(widest, recorded ? 78 : 40, 2);
        EXPECT_EQ(host.Messages.size(), recorded ? 0u : 1u);
        EXPECT_NEAR(RedOf(childPen), 254, 1) << "a stamp's colour shows through its child";
        const TFigData& child = Start().StampData->GetFirst()->Data;
        EXPECT_EQ(child.End.x, 50);
        EXPECT_EQ(child.PenColor, clBlack);
        EXPECT_EQ(Start().End.x, 200);
    }
}

TEST_F(PlaybackTest, EachPartOfADrawingBlendsToItsOwnColour) {
    AddPair({100, 100, 200, 150}, {100, 100, 200, 150});
    for (int i : {0, 1}) {
        TFigData& stamp = At(i)->Data;
        stamp.DrawingTool = TDrawingTool::Stamp;
        stamp.StampData = std::make_shared<TFigList>();
        stamp.StampData->Add(MakeRect(0, 0, 50, 20));
        stamp.StampData->Add(MakeRect(50, 0, 100, 20));
    }
    for (int i : {0, 1})
        for (TFigItem* part = At(i)->Data.StampData->GetFirst(); part; part = part->Next)
            part->Data.BrushColor = clWhite;
    At(1)->Data.StampData->GetTail()->Data.BrushColor = 0xFF0000; // the body turns blue
    Steps(800);
    std::vector<std::pair<TColor, TColor>> seen;
    Watch([&](std::int32_t) {
        const TFigItem* wheel = Moving().StampData->GetFirst();
        seen.emplace_back(wheel->Data.BrushColor, wheel->Next->Data.BrushColor);
    });
    Play();
    ASSERT_GE(seen.size(), 2u);
    EXPECT_EQ(seen.back().first, clWhite) << "the other part keeps its colour";
    EXPECT_NEAR(RedOf(seen.back().second), 1, 1);
    EXPECT_NEAR(RedOf(seen[seen.size() / 2].second), 128, 12) << "half-way";
    EXPECT_EQ(BlueOf(seen.back().second), 255);
}

TEST_F(PlaybackTest, MorePairsAreRepaintedLessOften) {
    for (int i = 0; i < 45; ++i)
        AddPair({i, 0, i + 5, 5}, {i + 50, 0, i + 55, 5});
    Steps(300);
    form.SelectMoveBtnClick();
    const int before = host.Invalidations;
    form.PlayButtonClick();
    EXPECT_EQ(host.Invalidations - before, 100 + 2) << "every third step, first and last";
}

TEST_F(PlaybackTest, TheScrubShowsTheStepOfThePlayBar) {
    AddPair({100, 200, 120, 220}, {200, 150, 220, 170});
    Steps(1000);
    form.SelectMoveBtnClick();
    auto& calls = static_cast<RecordingBitmap&>(*form.CanvasBitmap).canvas.Calls;
    calls.clear();
    form.PlayBar.SetPosition(500);
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.back().rfind("Rectangle 149,175,169,195", 0), 0u) << calls.back();
    EXPECT_EQ(Start().Start, (TPoint{100, 200}));
    form.PlayBar.SetPosition(0);
    EXPECT_EQ(calls.back().rfind("Rectangle 100,200,120,220", 0), 0u) << calls.back();
}

TEST_F(PlaybackTest, PlayingAllRunsEveryCutAndLeavesTheLastCurrent) {
    for (std::int32_t cut = 1; cut <= 3; ++cut)
        AddPair({0, 0, 10, 10}, {50, 0, 60, 10}, cut);
    form.S.Cuts.CutCount = 3;
    Steps(57);
    std::vector<std::int32_t> played;
    Watch([&](std::int32_t step) {
        if (step == 1) played.push_back(form.S.Cuts.CurrentCut);
    });
    form.SelectMoveBtnClick();
    form.AllPlayButtonClick();
    EXPECT_EQ(played, (std::vector<std::int32_t>{1, 2, 3}));
    EXPECT_EQ(form.S.Cuts.CurrentCut, 3);
}

TEST_F(PlaybackTest, ARunEndsOnTheEndCopyHoweverItWasDraggedAgain) {
    using B = TMotionButton;
    for (const auto& tools : std::vector<std::vector<B>>{{B::MoveFreeBtn, B::MoveFreeBtn},
                                                         {B::MoveLineBtn, B::MoveFreeBtn},
                                                         {B::MoveFreeBtn, B::MoveLineBtn}}) {
        form.ResetDocument();
        AddPair({0, 0, 10, 10}, {0, 0, 10, 10});
        for (std::size_t k = 0; k < tools.size(); ++k) {
            form.DrawingBtnClick(tools[k]);
            const int at = 5 + 70 * int(k);
            Drag({at, at}, {{at + 30, at + 90}}, {at + 70, at + 70});
        }
        TPoint last;
        Watch([&](std::int32_t) { last = Moving().Start; });
        Play();
        // A straight run may end a pixel short, as it always did.
        EXPECT_LE(std::abs(last.x - 140) + std::abs(last.y - 140), 2) << int(tools.front());
        form.SelectMakeBtnClick();
    }
}

TEST_F(PlaybackTest, APlayButtonStopsARunOfAllCutsAtTheStepItReached) {
    AddPair({0, 0, 10, 10}, {100, 0, 110, 10}, 1);
    AddPair({0, 0, 10, 10}, {100, 0, 110, 10}, 2);
    form.S.Cuts.CutCount = 2;
    Steps(100);
    Watch([this](std::int32_t step) {
        if (step == 30) form.PlayButtonClick();
    });
    form.SelectMoveBtnClick();
    form.AllPlayButtonClick();
    EXPECT_EQ(form.S.Cuts.CurrentCut, 1) << "cut 2 is not played";
    EXPECT_EQ(form.PlayBar.Position(), 30);
}

TEST_F(PlaybackTest, WatchingAndMakingSwitchThePanels) {
    form.SelectMoveBtnClick();
    EXPECT_EQ(host.Messages, std::vector<std::string>{texts::NothingToPlay});
    EXPECT_EQ(form.S.Shell.CurrentTool, TMotionTool::Select);
    EXPECT_EQ(form.S.Shell.Mode, TMode::Draw);

    AddPair({0, 0, 10, 10}, {50, 0, 60, 10}, 4);
    form.SelectMoveBtnClick();
    EXPECT_EQ(form.S.Shell.Mode, TMode::Watch);
    EXPECT_EQ(form.S.Cuts.CutCount, 4);
    EXPECT_FALSE(form.ObjectPanel.Visible);
    EXPECT_FALSE(form.VBarLargeLabel.Visible);
    EXPECT_TRUE(form.WatchPanel.Visible);
    EXPECT_FALSE(form.KeepShapeBtn.Visible) << "no resizing while watching";
    EXPECT_TRUE(form.PlayButton.Enabled);
    EXPECT_FALSE(form.SelectMoveBtn.Enabled);

    form.SelectMakeBtnClick();
    EXPECT_EQ(form.S.Shell.Mode, TMode::Edit);
    EXPECT_TRUE(form.ObjectPanel.Visible);
    EXPECT_TRUE(form.VBarLargeLabel.Visible);
    EXPECT_TRUE(form.KeepShapeBtn.Visible);
    EXPECT_FALSE(form.SpeedPanel.Visible);
    EXPECT_FALSE(form.SelectMakeBtn.Enabled);
    EXPECT_TRUE(form.SelectMoveBtn.Enabled);
}

} // namespace
} // namespace murva::test
