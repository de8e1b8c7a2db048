// Recording: target ids, figure copies, time stamps and the held size change.

#include "history/recording.h"
#include "history_fixtures.h"

#include <gtest/gtest.h>

namespace murva {
namespace {

using test::MakeRect;

struct RecordingTest : ::testing::Test {
    THistoryState history;
    TFigureState figures;
    TRecorder recorder{history, figures,
                       TActionTime{.Year = 2011,
                                   .Day = 14,
                                   .Month = 6,
                                   .Minute = 5,
                                   .Hour = 10,
                                   .Hundredths = 33,
                                   .Second = 27}};

    TFigItem* AddAndRecord(TFigData data) {
        TFigItem* item = figures.FigList.Add(data);
        recorder.RecordFigureAction(TActionKind::Duplicate, item);
        return item;
    }
    std::vector<TActionKind> Kinds() const {
        std::vector<TActionKind> kinds;
        for (auto* a = history.ActionLog.GetFirst(); a; a = a->Next)
            kinds.push_back(a->Data.TargetType);
        return kinds;
    }
};

TEST_F(RecordingTest, LaterActionsOfAFigureCarryTheIdItsFirstActionGot) {
    TFigItem* a = AddAndRecord(MakeRect(0, 0, 10, 10));
    TFigItem* b = AddAndRecord(MakeRect(0, 0, 10, 10));
    EXPECT_EQ(history.ActionLog.GetFirst()->Data.TargetID, 2);
    EXPECT_EQ(history.ActionLog.GetTail()->Data.TargetID, 3);
    EXPECT_EQ(figures.LastFigureID, 3);

    figures.SelectedFig = a;
    a->Data.Offset(5, 5);
    recorder.RecordAction(TActionKind::Move);
    TActionItem* move = history.ActionLog.GetTail();
    EXPECT_EQ(move->Data.TargetID, 2);
    EXPECT_EQ(move->Data.FigData.Start, (TPoint{5, 5}));
    EXPECT_EQ(move->Data.TargetFigData, &a->Data);
    EXPECT_EQ(move->Data.ActionTime.Hundredths, 33);

    figures.SelectedFig = b;
    recorder.RecordAction(TActionKind::Front);
    EXPECT_EQ(history.ActionLog.GetTail()->Data.TargetID, 3);
    EXPECT_EQ(history.ActionLog.GetTail()->Data.TargetFigData, nullptr);
    a->Data.PenColor = 0xFF;
    figures.SelectedFig = a;
    recorder.RecordChange(TActionKind::Change, TChangeParameter::LineColor);
    EXPECT_EQ(history.ActionLog.GetTail()->Data.TargetID, 2);
    EXPECT_EQ(history.ActionLog.GetTail()->Data.FigData.PenColor, 0xFFu);
}

TEST_F(RecordingTest, IdsAreNeverRewrittenNorHandedOutTwice) {
    TFigItem* a = AddAndRecord(MakeRect(0, 0, 10, 10)); // id 2
    figures.LastFigureID = 1;                           // as after a deletion
    figures.SelectedFig = a;
    recorder.RecordAction(TActionKind::Back);
    EXPECT_EQ(history.ActionLog.GetFirst()->Data.TargetID, 2);
    EXPECT_EQ(history.ActionLog.GetTail()->Data.TargetID, 2);
    // The next figure gets an id no action holds, although LastFigureID counts less.
    AddAndRecord(MakeRect(5, 5, 10, 10));
    EXPECT_EQ(history.ActionLog.GetTail()->Data.TargetID, 3);
    EXPECT_EQ(figures.LastFigureID, 2);
}

TEST_F(RecordingTest, AFigureWithNoEarlierActionGetsIdZero) {
    TFigItem* a = figures.FigList.Add(MakeRect(0, 0, 10, 10));
    figures.SelectedFig = a;
    recorder.RecordAction(TActionKind::Move);
    EXPECT_EQ(history.ActionLog.GetTail()->Data.TargetID, 0);
    figures.SelectedFig = nullptr;
    recorder.RecordAction(TActionKind::Move); // nothing selected: an empty Move
    EXPECT_EQ(history.ActionLog.GetCount(), 2);
}

TEST_F(RecordingTest, AHeldSizeChangeIsCommittedOnceByTheNextAction) {
    TFigItem* a = AddAndRecord(MakeRect(0, 0, 10, 10));
    TFigItem* b = AddAndRecord(MakeRect(0, 0, 10, 10));
    recorder.HoldSizeChange(&a->Data);
    a->Data.End = {12, 12};
    recorder.HoldSizeChange(&a->Data);
    a->Data.End = {20, 30};
    recorder.RecordFigureAction(TActionKind::Duplicate, figures.FigList.CopyItem(b));
    EXPECT_EQ(Kinds(), (std::vector<TActionKind>{TActionKind::Duplicate, TActionKind::Duplicate,
                                                 TActionKind::Duplicate, TActionKind::Change}));
    TActionItem* change = history.ActionLog.GetTail();
    EXPECT_EQ(change->Data.Parameter, TChangeParameter::Size);
    EXPECT_EQ(change->Data.TargetID, 2);
    EXPECT_EQ(change->Data.FigData.End, (TPoint{20, 30}));
    EXPECT_FALSE(history.ActionPending);
    EXPECT_EQ(history.PendingFigData, nullptr);
}

TEST_F(RecordingTest, ASizeChangeBackToTheOldSizeOrAPureMoveRecordsNothing) {
    TFigItem* a = AddAndRecord(MakeRect(0, 0, 10, 10));
    recorder.HoldSizeChange(&a->Data);
    a->Data.End = {30, 30};
    a->Data.End = {10, 10};
    a->Data.Offset(50, 50);
    recorder.CommitPendingChange();
    EXPECT_EQ(history.ActionLog.GetCount(), 1);
    EXPECT_FALSE(history.ActionPending);
}

TEST_F(RecordingTest, ResizingAnotherFigureCommitsTheFirstOne) {
    TFigItem* a = AddAndRecord(MakeRect(0, 0, 10, 10));
    TFigItem* b = AddAndRecord(MakeRect(0, 0, 10, 10));
    recorder.HoldSizeChange(&a->Data);
    a->Data.End = {15, 10};
    recorder.HoldSizeChange(&b->Data);
    EXPECT_EQ(history.ActionLog.GetTail()->Data.TargetType, TActionKind::Change);
    EXPECT_EQ(history.ActionLog.GetTail()->Data.TargetID, 2);
    EXPECT_EQ(history.PendingFigData, &b->Data);
}

TEST_F(RecordingTest, AFileActionHoldsItsName) {
    recorder.RecordFileAction(TActionKind::ReadBG, "C:\\pics\\bg.jpg");
    EXPECT_EQ(history.ActionLog.GetTail()->Data.FileName, "C:\\pics\\bg.jpg");
    EXPECT_EQ(history.ActionLog.GetTail()->Data.TargetID, 0);
    EXPECT_EQ(history.ActionLog.GetTail()->Data.ActionTime.Year, 2011);
}

} // namespace
} // namespace murva
