// Replay: each action finds its figure through the action that created it.

#include "history/document.h"
#include "history_fixtures.h"
#include "support/document_access.h"

#include <gtest/gtest.h>

#include <random>

namespace murva {
namespace {

using test::Append;
using test::MakePolyline;
using test::MakeRect;

struct ReplayTest : ::testing::Test {
    TDocument doc;
    THistoryState& history = test::History(doc);
    TFigureState& figures = test::Figures(doc);

    void ReplayAll() { doc.ApplyRange(history.ActionLog.GetFirst(), history.ActionLog.GetTail()); }
    std::vector<int> StartXs() const { return test::StartXs(figures.FigList); }
};

TEST_F(ReplayTest, DeleteThenUndoRestoresTheFigureUnderItsNewId) {
    TFigData a = MakeRect(10, 0, 20, 10), b = MakeRect(30, 0, 40, 10);
    Append(history.ActionLog, TActionKind::Create, 1, &a);
    Append(history.ActionLog, TActionKind::Create, 2, &b);
    Append(history.ActionLog, TActionKind::Delete, 1);
    TActionItem* undo = Append(history.ActionLog, TActionKind::Restore, 3, &a);
    TFigData moved = MakeRect(70, 5, 80, 15);
    Append(history.ActionLog, TActionKind::Move, 3, &moved);
    ReplayAll();
    EXPECT_EQ(StartXs(), (std::vector<int>{30, 70}));
    EXPECT_TRUE(figures.DeletedFigList.IsEmpty());
    EXPECT_EQ(undo->Data.TargetFigItem, figures.FigList.GetTail());
}

TEST_F(ReplayTest, AMoveLandsOnTheRecordedStartAndTakesCutAndPath) {
    TFigData line = MakePolyline({{0, 0}, {10, 20}});
    Append(history.ActionLog, TActionKind::Create, 1, &line);
    TFigData recorded = MakePolyline({{100, 50}, {110, 70}});
    recorded.CutNumber = 4;
    recorded.Free = 1;
    recorded.FreeMoveCount = 1;
    recorded.FreeMoveData = std::make_shared<TPointData>();
    recorded.FreeMoveData->AddTracked(3, 3);
    TActionItem* move = Append(history.ActionLog, TActionKind::Move, 1, &recorded);
    ReplayAll();
    const TFigData& f = figures.FigList.GetFirst()->Data;
    EXPECT_EQ(f.Start, (TPoint{100, 50}));
    EXPECT_EQ(f.PointData->At(1), (TPoint{110, 70}));
    EXPECT_EQ(f.CutNumber, 4);
    EXPECT_EQ(f.Free, 1);
    EXPECT_EQ(f.FreeMoveData, move->Data.FigData.FreeMoveData); // the same path, not a copy
}

TEST_F(ReplayTest, ASizeChangeCopiesNoMorePointsThanTheLiveFigureHas) {
    TFigData line = MakePolyline({{0, 0}, {10, 10}});
    Append(history.ActionLog, TActionKind::Create, 1, &line);
    TFigData bigger = MakePolyline({{0, 0}, {20, 20}, {40, 40}});
    TActionItem* change = Append(history.ActionLog, TActionKind::Change, 1, &bigger);
    change->Data.Parameter = TChangeParameter::Size;
    ReplayAll();
    const TFigData& f = figures.FigList.GetFirst()->Data;
    EXPECT_EQ(f.PointData->Count, 2);
    EXPECT_EQ(f.PointData->At(1), (TPoint{20, 20}));
    EXPECT_EQ(f.End, (TPoint{40, 40}));
    EXPECT_EQ(f.PointData->MaxX, 40);
}

TEST_F(ReplayTest, ColourChangesTouchOnlyTheirField) {
    TFigData r = MakeRect(0, 0, 10, 10);
    Append(history.ActionLog, TActionKind::Create, 1, &r);
    TFigData recorded = r;
    recorded.BrushColor = 0x0000FF;
    recorded.PenColor = 0x00FF00;
    Append(history.ActionLog, TActionKind::Change, 1, &recorded)->Data.Parameter =
        TChangeParameter::BodyColor;
    ReplayAll();
    EXPECT_EQ(figures.FigList.GetFirst()->Data.BrushColor, 0x0000FFu);
    EXPECT_EQ(figures.FigList.GetFirst()->Data.PenColor, 0u);
}

TEST_F(ReplayTest, FrontAndBackReorderThroughTheCreatingAction) {
    TFigData a = MakeRect(1, 0, 2, 2), b = MakeRect(2, 0, 3, 3), c = MakeRect(3, 0, 4, 4);
    Append(history.ActionLog, TActionKind::Create, 1, &a);
    Append(history.ActionLog, TActionKind::Duplicate, 2, &b);
    Append(history.ActionLog, TActionKind::Create, 3, &c);
    Append(history.ActionLog, TActionKind::Back, 3);
    Append(history.ActionLog, TActionKind::Front, 1);
    ReplayAll();
    EXPECT_EQ(StartXs(), (std::vector<int>{3, 1, 2}));
}

TEST_F(ReplayTest, ABranchRebuildsThePictureFromTheFirstStepsOnly) {
    TFigData a = MakeRect(1, 0, 2, 2), b = MakeRect(2, 0, 3, 3), c = MakeRect(3, 0, 4, 4);
    Append(history.ActionLog, TActionKind::Create, 1, &a);
    Append(history.ActionLog, TActionKind::Create, 2, &b);
    TActionItem* third = Append(history.ActionLog, TActionKind::Create, 3, &c);
    Append(history.ActionLog, TActionKind::Delete, 1);
    Append(history.ActionLog, TActionKind::ReadBG, 0)->Data.FileName = "bg.jpg";
    Append(history.ActionLog, TActionKind::Branch, 2);
    ReplayAll();
    EXPECT_EQ(StartXs(), (std::vector<int>{1, 2}));
    EXPECT_TRUE(figures.DeletedFigList.IsEmpty());
    EXPECT_EQ(third->Data.TargetFigItem, nullptr);
    EXPECT_TRUE(history.Background.empty());
    EXPECT_EQ(history.ActionLog.GetCount(), 6);
}

// The straightforward reading of a Branch: clear, then apply the first n actions again.
std::vector<int> NaiveBranchReplay(const std::vector<std::pair<TActionKind, int>>& script) {
    std::vector<std::vector<int>> states; // picture after each step, as start xs
    std::vector<int> picture;
    for (std::size_t i = 0; i < script.size(); ++i) {
        auto [kind, value] = script[i];
        if (kind == TActionKind::Create) picture.push_back(value);
        if (kind == TActionKind::Branch) {
            int n = std::min<int>(value, static_cast<int>(i));
            picture = n > 0 ? states[n - 1] : std::vector<int>{};
        }
        states.push_back(picture);
    }
    return picture;
}

TEST_F(ReplayTest, NestedBranchesGiveThePictureOfTheirStep) {
    // Creates carry their x as id; branches their step.
    const std::vector<std::pair<TActionKind, int>> script = {
        {TActionKind::Create, 1}, {TActionKind::Create, 2}, {TActionKind::Branch, 1},
        {TActionKind::Create, 4}, {TActionKind::Create, 5}, {TActionKind::Branch, 4},
        {TActionKind::Create, 7}, {TActionKind::Branch, 6}, {TActionKind::Create, 9},
        {TActionKind::Branch, 8}, {TActionKind::Branch, 3}, {TActionKind::Create, 12}};
    for (auto [kind, value] : script) {
        TFigData f = MakeRect(value, 0, value + 1, 1);
        Append(history.ActionLog, kind, value, kind == TActionKind::Create ? &f : nullptr);
    }
    ReplayAll();
    EXPECT_EQ(StartXs(), NaiveBranchReplay(script));
}

TEST(ReplayBranches, RandomScriptsGiveThePictureOfTheirStep) {
    std::mt19937 rng(2026);
    for (int round = 0; round < 300; ++round) {
        TDocument doc;
        THistoryState& history = test::History(doc);
        TFigureState& figures = test::Figures(doc);
        std::vector<std::pair<TActionKind, int>> script;
        const int length = std::uniform_int_distribution<int>(1, 30)(rng);
        for (int i = 0; i < length; ++i) {
            const bool branch = std::uniform_int_distribution<int>(0, 2)(rng) == 0;
            // Branches mostly to the step just before, as a chain of undos makes them.
            const int back = std::uniform_int_distribution<int>(0, 3)(rng);
            script.push_back(branch ? std::pair{TActionKind::Branch, std::max(0, i - back)}
                                    : std::pair{TActionKind::Create, 100 + i});
        }
        for (auto [kind, value] : script) {
            TFigData f = MakeRect(value, 0, value + 1, 1);
            Append(history.ActionLog, kind, value, kind == TActionKind::Create ? &f : nullptr);
        }
        doc.ApplyRange(history.ActionLog.GetFirst(), history.ActionLog.GetTail());
        ASSERT_EQ(test::StartXs(figures.FigList), NaiveBranchReplay(script)) << "round " << round;
    }
}

TEST(ReplayBranches, ReplayingInOneGoGivesWhatEachActionAloneGives) {
    // Replaying in one go skips the rebuild of a Branch where the figures already are
    // its picture; action by action must come to the same.
    std::mt19937 rng(614);
    const TActionKind kinds[] = {TActionKind::Create, TActionKind::Create,  TActionKind::Move,
                                 TActionKind::Delete, TActionKind::Restore, TActionKind::Front,
                                 TActionKind::Back,   TActionKind::ReadBG,  TActionKind::Branch,
                                 TActionKind::Branch};
    for (int round = 0; round < 300; ++round) {
        TDocument inOneGo, oneByOne;
        THistoryState &once = test::History(inOneGo), &alone = test::History(oneByOne);
        const unsigned seed = rng();
        for (THistoryState* history : {&once, &alone}) {
            std::mt19937 script(seed); // the same log twice
            const int length = std::uniform_int_distribution<int>(1, 40)(script);
            for (int i = 0; i < length; ++i) {
                const TActionKind kind = kinds[script() % std::size(kinds)];
                const int id = kind == TActionKind::Branch ? std::max(0, i - int(script() % 3))
                                                           : 1 + int(script() % 6);
                TFigData f = MakeRect(int(script() % 100), 0, 200, 10);
                Append(history->ActionLog, kind, id, &f)->Data.FileName = std::to_string(i);
            }
        }
        inOneGo.ApplyRange(once.ActionLog.GetFirst(), once.ActionLog.GetTail());
        for (TActionItem* item = alone.ActionLog.GetFirst(); item; item = item->Next)
            oneByOne.ApplyAction(item);
        ASSERT_EQ(test::StartXs(inOneGo.FigList()), test::StartXs(oneByOne.FigList())) << round;
        ASSERT_EQ(test::StartXs(inOneGo.DeletedFigList()), test::StartXs(oneByOne.DeletedFigList()))
            << round;
        ASSERT_EQ(once.Background, alone.Background) << round;
    }
}

TEST_F(ReplayTest, ManyNestedBranchesReplayQuickly) {
    // Each branch steps back over the one before: the plain reading doubles per branch.
    TFigData f = MakeRect(0, 0, 1, 1);
    Append(history.ActionLog, TActionKind::Create, 1, &f);
    for (int i = 0; i < 60; ++i) {
        std::int32_t position = history.ActionLog.GetCount();
        Append(history.ActionLog, TActionKind::Branch, position);
    }
    ReplayAll();
    EXPECT_EQ(figures.FigList.Count(), 1);
}

TEST_F(ReplayTest, AMalformedLogIsSkippedWhereItNamesNothing) {
    TFigData a = MakeRect(5, 0, 6, 6);
    Append(history.ActionLog, TActionKind::Delete, 9);   // nothing created it
    Append(history.ActionLog, TActionKind::Restore, 2);  // nothing deleted
    Append(history.ActionLog, TActionKind::Move, 4, &a); // no such figure
    Append(history.ActionLog, TActionKind::Change, 4, &a)->Data.Parameter = TChangeParameter::Size;
    Append(history.ActionLog, TActionKind::Branch, 99); // steps past itself
    Append(history.ActionLog, TActionKind::Create, 1, &a);
    Append(history.ActionLog, TActionKind::Delete, 1);
    Append(history.ActionLog, TActionKind::Delete, 1); // the figure is gone already
    Append(history.ActionLog, TActionKind::Move, 1, &a);
    Append(history.ActionLog, TActionKind::None, 0);
    ReplayAll();
    EXPECT_TRUE(figures.FigList.IsEmpty());
    EXPECT_EQ(figures.DeletedFigList.Count(), 1);
}

TEST_F(ReplayTest, BackgroundActionsLeaveTheLastNamedPicture) {
    Append(history.ActionLog, TActionKind::ReadBG, 0)->Data.FileName = "a.jpg";
    Append(history.ActionLog, TActionKind::ClearBG, 0);
    ReplayAll();
    EXPECT_TRUE(history.Background.empty());
    Append(history.ActionLog, TActionKind::ReadBG, 0)->Data.FileName = "b.bmp";
    ReplayAll();
    EXPECT_EQ(history.Background, "b.bmp");
}

TEST_F(ReplayTest, ReplayedFiguresLoseTheirRotation) {
    TFigData a = MakeRect(5, 0, 6, 6);
    a.EndCopyMark = 1;
    Append(history.ActionLog, TActionKind::Duplicate, 1, &a);
    ReplayAll();
    EXPECT_EQ(figures.FigList.GetFirst()->Data.EndCopyMark, 0);
}

} // namespace
} // namespace murva
