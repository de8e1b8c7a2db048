// The action log: the sentinel, appends with figure copies, clearing and truncating,
// and the links from actions to live figures.

#include "history/action_log.h"
#include "history/command_history.h"
#include "history_fixtures.h"

#include <cctype>
#include <string>

#include <gtest/gtest.h>

namespace murva {
namespace {

TEST(ActionLog, ANewLogHoldsOnlyItsSentinel) {
    THistoryList log;
    EXPECT_EQ(log.GetCount(), 0);
    EXPECT_EQ(log.GetHead(), log.GetTail());
    EXPECT_EQ(log.GetHead()->Data.TargetType, TActionKind::None);
    EXPECT_EQ(log.GetHead()->Data.Parameter, TChangeParameter::None);
    EXPECT_EQ(log.GetFirst(), nullptr);
}

TEST(ActionLog, AnEmptyItemHasTheInitialValuesUntilTheCallerSetsThem) {
    THistoryList log;
    TActionItem* item = log.AppendEmpty();
    EXPECT_EQ(item->Data.TargetType, TActionKind::None);
    EXPECT_EQ(item->Data.Parameter, TChangeParameter::None);
    EXPECT_EQ(item->Data.TargetID, 0);
    EXPECT_EQ(item->Data.MarkInformation, 0);
    EXPECT_EQ(item->Data.ActionTime, TActionTime{});
    EXPECT_EQ(item->Data.TargetFigData, nullptr);
    EXPECT_EQ(log.GetTail(), item);
    EXPECT_EQ(item->Prev, log.GetHead());
    EXPECT_EQ(log.GetCount(), 1);
}

TEST(ActionLog, AnItemWithAPolylineOwnsItsOwnPointsWithFreshBounds) {
    TFigData live;
    live.DrawingTool = TDrawingTool::Polyline;
    live.PointData = std::make_shared<TPointData>();
    live.PointData->AddTracked(10, 10);
    live.PointData->AddTracked(50, 40);
    live.Offset(5, 5); // the live figure's bounds are now stale
    live.Free = 1;
    live.FreeMoveData = std::make_shared<TPointData>();

    THistoryList log;
    TActionItem* item = log.AppendWithFigure(live);
    live.PointData->At(0) = {999, 999};
    const TFigData& copy = item->Data.FigData;
    ASSERT_NE(copy.PointData, live.PointData);
    EXPECT_EQ(copy.PointData->At(0), (TPoint{15, 15}));
    EXPECT_EQ(copy.Start, (TPoint{15, 15}));
    EXPECT_EQ(copy.End, (TPoint{55, 45}));
    EXPECT_EQ(copy.FreeMoveData, live.FreeMoveData); // a path stays shared
}

TEST(ActionLog, AStampIsCopiedChildByChild) {
    TFigData stamp;
    stamp.DrawingTool = TDrawingTool::Stamp;
    stamp.StampData = std::make_shared<TFigList>();
    TFigData child;
    child.DrawingTool = TDrawingTool::Line;
    child.End = {3, 4};
    stamp.StampData->Add(child);
    THistoryList log;
    TActionItem* item = log.AppendWithFigure(stamp);
    stamp.StampData->Clear();
    ASSERT_EQ(item->Data.FigData.StampData->Count(), 1);
    EXPECT_EQ(item->Data.FigData.StampData->GetFirst()->Data.End, (TPoint{3, 4}));
}

TEST(ActionLog, ClearingResetsTheLastFigureIdOnlyWhenTheLogHeldAnItem) {
    THistoryList log;
    std::int32_t lastFigureID = 7;
    log.Clear(lastFigureID);
    EXPECT_EQ(lastFigureID, 7);
    log.AppendEmpty();
    log.AppendEmpty();
    log.Clear(lastFigureID);
    EXPECT_EQ(lastFigureID, 1);
    EXPECT_EQ(log.GetCount(), 0);
    EXPECT_EQ(log.GetTail(), log.GetHead());
    EXPECT_EQ(log.GetHead()->Next, nullptr);
    log.AppendEmpty(); // usable again after a clear
    EXPECT_EQ(log.GetCount(), 1);
}

TEST(ActionLog, ATruncatedLogGoesOnNumberingFromWhereItWasCut) {
    THistoryList log;
    TActionItem* kept = nullptr;
    for (int i = 0; i < 20000; ++i) { // more items than one block of the store holds
        TActionItem* item = log.AppendEmpty();
        if (i == 9) kept = item;
    }
    EXPECT_EQ(log.GetTail()->Position, 20000);
    log.TruncateAfter(kept);
    EXPECT_EQ(log.GetCount(), 10);
    EXPECT_EQ(log.GetTail(), kept);
    EXPECT_EQ(kept->Next, nullptr);
    EXPECT_EQ(log.AppendEmpty()->Position, 11);
    log.TruncateAfter(log.GetHead());
    EXPECT_TRUE(log.IsEmpty());
    EXPECT_EQ(log.AppendEmpty()->Prev, log.GetHead());
}

TEST(ActionLog, AFiguresLatestActionIsKnownAtOnceAndAfterAReplay) {
    THistoryList log;
    TFigData a, b;
    TActionItem* first = log.AppendEmpty();
    TActionItem* second = log.AppendEmpty();
    TActionItem* third = log.AppendEmpty();
    for (bool deferred : {false, true}) {
        SCOPED_TRACE(deferred ? "deferred" : "at once");
        log.UnlinkAll();
        if (deferred) log.DeferLatest();
        log.Link(first, &a);
        log.Link(third, &a);
        log.Link(second, &a); // an earlier action does not hide a later one
        log.Link(first, &b);  // an action has one figure
        EXPECT_EQ(log.LatestActionOf(&a), third);
        EXPECT_EQ(log.LatestActionOf(&b), first);
        log.Unlink(third);
        EXPECT_NE(log.LatestActionOf(&a), third);
        log.UnlinkAll();
        EXPECT_EQ(log.LatestActionOf(&a), nullptr);
        EXPECT_EQ(second->Data.TargetFigData, nullptr);
    }
    // Actions taken back by a truncation are no one's latest.
    log.Link(third, &a);
    log.TruncateAfter(second);
    EXPECT_EQ(log.LatestActionOf(&a), nullptr);
}

} // namespace
} // namespace murva

namespace murva::test {
namespace {

// A log from a line of letters: a Move with a stamp per letter (equal letters, one stamp),
// '+' or '*' before a letter a Create or a Duplicate of one look, 'R' a ReadData with the
// stamp of the letter after it, and a digit a Branch to that step.
void Build(THistoryList& log, const std::string& line) {
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        TActionItem* item = Append(log,
                                   std::isdigit(c) ? TActionKind::Branch
                                   : c == 'R'      ? TActionKind::ReadData
                                   : c == '+'      ? TActionKind::Create
                                   : c == '*'      ? TActionKind::Duplicate
                                                   : TActionKind::Move,
                                   std::isdigit(c) ? c - '0' : 2);
        const bool stampNext = c == 'R' || c == '+' || c == '*';
        item->Data.ActionTime.Second = static_cast<std::uint8_t>(stampNext ? line[++i] : c);
        if (c == 'R') Append(log, TActionKind::Move, 2)->Data.ActionTime.Second = 'r';
    }
}

TEST(CommandHistory, AReopenedLogIsDividedIntoCommandsByStampBranchAndRead) {
    struct Case {
        const char* Line;
        std::vector<std::int32_t> Done, Undone;
    };
    const Case cases[] = {
        {"AAB", {0, 2, 3}, {}},
        {"AB1", {0, 1}, {2}},        // もどす
        {"AB12", {0, 1, 2}, {}},     // もどす, やりなおす
        {"ABC21", {0, 1}, {3, 2}},   // twice back
        {"AB1C", {0, 1, 4}, {}},     // a new command drops what could be redone
        {"ABC1", {0, 1}, {}},        // a Branch of a drawing program: a new line
        {"ARBBC", {0, 1, 4, 5}, {}}, // a drawing read and its end copies: one command
        // Figures and their end copies stamped one by one: never a step between them.
        {"+A+B*C*DE", {0, 4, 5}, {}},
        {"+A*B+C*D2", {0, 2}, {4}},
        // A drawing holding its own Branch and ReadData is one command with its end copies.
        {"RX+c1RY+d*X*X", {0, 9}, {}},
    };
    for (const Case& c : cases) {
        THistoryList log;
        Build(log, c.Line);
        const TCommandHistory h = CommandsOf(log);
        EXPECT_EQ(h.Done, c.Done) << c.Line;
        EXPECT_EQ(h.Undone, c.Undone) << c.Line;
    }
}

} // namespace
} // namespace murva::test
