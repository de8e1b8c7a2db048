// Recording: target ids, figure copies, time stamps and the held size change.

#include "history/document.h"
#include "history_fixtures.h"
#include "support/document_access.h"

#include <gtest/gtest.h>

namespace murva {
namespace {

using test::MakeRect;

struct RecordingTest : ::testing::Test {
    TDocument doc;
    THistoryState& history = test::History(doc);
    TFigureState& figures = test::Figures(doc);
    RecordingTest() {
        doc.Clock = [] {
            return TActionTime{.Year = 2011,
                               .Day = 14,
                               .Month = 6,
                               .Minute = 5,
                               .Hour = 10,
                               .Hundredths = 33,
                               .Second = 27};
        };
    }

    TFigItem* AddAndRecord(TFigData data) { return doc.RecordDuplicate(data); }
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
    EXPECT_EQ(figures.FigureCount, 3);

    TFigData moved = a->Data;
    moved.Offset(5, 5);
    doc.RecordMove(a, moved);
    TActionItem* move = history.ActionLog.GetTail();
    EXPECT_EQ(move->Data.TargetID, 2);
    EXPECT_EQ(move->Data.FigData.Start, (TPoint{5, 5}));
    EXPECT_EQ(move->Data.TargetFigData, &a->Data);
    EXPECT_EQ(move->Data.ActionTime.Hundredths, 33);

    ASSERT_FALSE(doc.RecordStep(b, TActionKind::Front)) << "the last figure is in front";
    ASSERT_TRUE(doc.RecordStep(b, TActionKind::Back));
    EXPECT_EQ(history.ActionLog.GetTail()->Data.TargetID, 3);
    EXPECT_EQ(history.ActionLog.GetTail()->Data.TargetFigData, nullptr);
    TFigData recoloured = a->Data;
    recoloured.PenColor = 0xFF;
    doc.RecordChange(a, TChangeParameter::LineColor, recoloured);
    EXPECT_EQ(a->Data.PenColor, 0xFFu);
    EXPECT_EQ(history.ActionLog.GetTail()->Data.TargetID, 2);
    EXPECT_EQ(history.ActionLog.GetTail()->Data.FigData.PenColor, 0xFFu);
}

TEST_F(RecordingTest, IdsAreNeverRewrittenNorHandedOutTwice) {
    TFigItem* a = AddAndRecord(MakeRect(0, 0, 10, 10)); // id 2
    figures.FigureCount = 1;                            // as after a deletion
    doc.RecordMove(a);
    EXPECT_EQ(history.ActionLog.GetFirst()->Data.TargetID, 2);
    EXPECT_EQ(history.ActionLog.GetTail()->Data.TargetID, 2);
    // The next figure gets an id no action holds, although LastFigureID counts less.
    AddAndRecord(MakeRect(5, 5, 10, 10));
    EXPECT_EQ(history.ActionLog.GetTail()->Data.TargetID, 3);
    EXPECT_EQ(figures.FigureCount, 2);
}

TEST_F(RecordingTest, AFigureWithNoEarlierActionGetsIdZero) {
    TFigItem* a = figures.FigList.Add(MakeRect(0, 0, 10, 10));
    doc.RecordMove(a);
    EXPECT_EQ(history.ActionLog.GetTail()->Data.TargetID, 0);
}

TEST_F(RecordingTest, AHeldSizeChangeIsCommittedOnceByTheNextAction) {
    TFigItem* a = AddAndRecord(MakeRect(0, 0, 10, 10));
    TFigItem* b = AddAndRecord(MakeRect(0, 0, 10, 10));
    doc.HoldSizeChange(a).End = {12, 12};
    doc.HoldSizeChange(a).End = {20, 30};
    doc.RecordDuplicate(b->Data);
    // The change went before the action that ended it.
    EXPECT_EQ(Kinds(), (std::vector<TActionKind>{TActionKind::Duplicate, TActionKind::Duplicate,
                                                 TActionKind::Change, TActionKind::Duplicate}));
    TActionItem* change = history.ActionLog.GetTail()->Prev;
    EXPECT_EQ(change->Data.Parameter, TChangeParameter::Size);
    EXPECT_EQ(change->Data.TargetID, 2);
    EXPECT_EQ(change->Data.FigData.End, (TPoint{20, 30}));
    EXPECT_FALSE(history.ActionPending);
    EXPECT_EQ(history.PendingFigData, nullptr);
}

TEST_F(RecordingTest, ASizeChangeBackToTheOldShapeRecordsNothingButAnyOtherChangeIsRecorded) {
    TFigItem* a = AddAndRecord(MakeRect(0, 0, 10, 10));
    TFigData& held = doc.HoldSizeChange(a);
    held.End = {30, 30};
    held.End = {10, 10};
    doc.CommitHeldChange();
    EXPECT_EQ(history.ActionLog.GetCount(), 1);
    EXPECT_FALSE(history.ActionPending);
    // The same size elsewhere is still a change a reload must know.
    doc.HoldSizeChange(a).Offset(50, 50);
    doc.CommitHeldChange();
    ASSERT_EQ(history.ActionLog.GetCount(), 2);
    EXPECT_EQ(history.ActionLog.GetTail()->Data.FigData.Start, (TPoint{50, 50}));
}

TEST_F(RecordingTest, ResizingAnotherFigureCommitsTheFirstOne) {
    TFigItem* a = AddAndRecord(MakeRect(0, 0, 10, 10));
    TFigItem* b = AddAndRecord(MakeRect(0, 0, 10, 10));
    doc.HoldSizeChange(a).End = {15, 10};
    doc.HoldSizeChange(b);
    EXPECT_EQ(history.ActionLog.GetTail()->Data.TargetType, TActionKind::Change);
    EXPECT_EQ(history.ActionLog.GetTail()->Data.TargetID, 2);
    EXPECT_EQ(history.PendingFigData, &b->Data);
}

TEST_F(RecordingTest, AFileActionHoldsItsName) {
    doc.RecordFile(TActionKind::ReadBG, "C:\\pics\\bg.jpg");
    EXPECT_EQ(history.ActionLog.GetTail()->Data.FileName, "C:\\pics\\bg.jpg");
    EXPECT_EQ(history.ActionLog.GetTail()->Data.TargetID, 0);
    EXPECT_EQ(history.ActionLog.GetTail()->Data.ActionTime.Year, 2011);
}

} // namespace
} // namespace murva
