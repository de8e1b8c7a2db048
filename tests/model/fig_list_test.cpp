// The figure list and point lists: ownership, copies and reordering.

#include "model/fig_list.h"
#include "support/figure_builders.h"

#include <gtest/gtest.h>

namespace murva {
namespace {

using test::StartXs;

TFigData Rect(int x1, int y1, int x2, int y2) {
    return test::MakeRect(x1, y1, x2, y2);
}
TFigData Polyline(std::initializer_list<TPoint> points) {
    return test::MakePolyline(points);
}

TEST(PointData, BoundsStartAtMinusHundredAndFollowTrackedPointsOnly) {
    TPointData points;
    EXPECT_EQ(points.MinX, -100);
    EXPECT_EQ(points.MaxY, -100);
    points.AddPlain(500, 500);
    EXPECT_EQ(points.MinX, -100);
    EXPECT_EQ(points.GetPathCount(), 1);
    EXPECT_EQ(points.GetCount(), 0);
    points.AddTracked(10, 20);
    points.AddTracked(5, 40);
    points.AddTracked(30, 1);
    EXPECT_EQ(points.MinX, 5);
    EXPECT_EQ(points.MaxX, 30);
    EXPECT_EQ(points.MinY, 1);
    EXPECT_EQ(points.MaxY, 40);
}

TEST(PointData, EachCounterRefusesThe2001stPoint) {
    TPointData points(10);
    for (int i = 0; i < 2000; ++i)
        ASSERT_EQ(points.AddTracked(i, i), 0);
    EXPECT_EQ(points.AddTracked(1, 1), 1);
    EXPECT_EQ(points.GetCount(), 2000);
    EXPECT_EQ(points.At(1999).x, 1999);
    for (int i = 0; i < 2000; ++i)
        ASSERT_EQ(points.AddPlain(i, i), 0);
    EXPECT_EQ(points.AddPlain(0, 0), 1);
    points.ResetPath();
    EXPECT_EQ(points.AddPlain(0, 0), 0);
}

TEST(PointData, ACopyWithTheSourcesCapacityHoldsExactlyItsPointsInOrder) {
    TPointData source;
    for (int i = 0; i < 7; ++i)
        source.AddTracked(i * 3, 100 - i);
    auto copy = CopyTrackedPoints(source);
    ASSERT_EQ(copy->GetCount(), 7);
    EXPECT_EQ(copy->Capacity(), 7);
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(copy->At(i), source.At(i));
}

TEST(FigData, OffsetMovesCornersAndPointsButNotTheirBounds) {
    TFigData d = Polyline({{10, 10}, {20, 30}});
    d.Offset(5, -5);
    EXPECT_EQ(d.Start, (TPoint{15, 5}));
    EXPECT_EQ(d.End, (TPoint{25, 25}));
    EXPECT_EQ(d.PointData->At(1), (TPoint{25, 25}));
    EXPECT_EQ(d.PointData->MinX, 10);
}

TEST(FigList, AddOfAMovedFreeLineTakesItsCornersFromTheMovedPoints) {
    TFigData d = Polyline({{10, 10}, {20, 30}});
    d.DrawingTool = TDrawingTool::FreeLine;
    d.Offset(100, 0); // the recorded bounds are now stale
    TFigList list;
    TFigItem* item = list.Add(d);
    EXPECT_EQ(item->Data.Start, (TPoint{110, 10}));
    EXPECT_EQ(item->Data.End, (TPoint{120, 30}));
    EXPECT_NE(item->Data.PointData, d.PointData);
    d.PointData->At(0) = {0, 0};
    EXPECT_EQ(item->Data.PointData->At(0), (TPoint{110, 10}));
}

TEST(FigList, StampsAreCopiedWholeAndTheCopyOwnsItsNesting) {
    TFigData inner;
    inner.DrawingTool = TDrawingTool::Stamp;
    inner.StampData = std::make_shared<TFigList>();
    inner.StampData->Add(Rect(1, 1, 2, 2));
    TFigData outer;
    outer.DrawingTool = TDrawingTool::Stamp;
    outer.StampData = std::make_shared<TFigList>();
    outer.StampData->Add(inner);
    outer.StampData->Add(Rect(3, 3, 4, 4));

    TFigList list;
    TFigItem* source = list.Add(outer);
    TFigItem* copy = list.CopyItem(source);
    ASSERT_NE(copy->Data.StampData, source->Data.StampData);
    TFigItem* copiedInner = copy->Data.StampData->GetFirst();
    ASSERT_NE(copiedInner->Data.StampData, source->Data.StampData->GetFirst()->Data.StampData);
    EXPECT_EQ(copiedInner->Data.StampData->GetFirst()->Data.Start.x, 1);

    EXPECT_EQ(list.Remove(copy), 0);
    ASSERT_EQ(source->Data.StampData->Count(), 2);
    EXPECT_EQ(source->Data.StampData->GetFirst()->Data.StampData->GetFirst()->Data.End.x, 2);
}

TEST(FigList, AFreeMovePathIsSharedAndLivesWhileAnyFigureRefersToIt) {
    TFigData d = Rect(0, 0, 10, 10);
    d.Free = 1;
    d.FreeMoveData = std::make_shared<TPointData>();
    d.FreeMoveData->AddTracked(1, 2);
    std::weak_ptr<TPointData> path = d.FreeMoveData;
    TFigList list;
    TFigItem* a = list.Add(d);
    TFigItem* b = list.CopyItem(a);
    d = TFigData{};
    EXPECT_EQ(a->Data.FreeMoveData, b->Data.FreeMoveData);
    list.Remove(a);
    ASSERT_FALSE(path.expired());
    EXPECT_EQ(b->Data.FreeMoveData->At(0), (TPoint{1, 2}));
    list.Remove(b);
    EXPECT_TRUE(path.expired());
}

TEST(FigList, MoveBackAndFrontRefuseAtTheEndsAndLeaveTheListAlone) {
    TFigList list;
    TFigItem* a = list.Add(Rect(1, 0, 0, 0));
    list.Add(Rect(2, 0, 0, 0));
    TFigItem* c = list.Add(Rect(3, 0, 0, 0));
    EXPECT_EQ(list.MoveBack(a), 1);
    EXPECT_EQ(list.MoveFront(c), 1);
    EXPECT_EQ(list.MoveBack(nullptr), 1);
    EXPECT_EQ(list.MoveFront(nullptr), 1);
    EXPECT_EQ(list.MoveBack(list.GetHead()), 1);
    EXPECT_EQ(StartXs(list), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(list.GetTail(), c);
}

TEST(FigList, MovesSwapNeighboursAndKeepTheTail) {
    TFigList list;
    TFigItem* a = list.Add(Rect(1, 0, 0, 0));
    TFigItem* b = list.Add(Rect(2, 0, 0, 0));
    TFigItem* c = list.Add(Rect(3, 0, 0, 0));
    EXPECT_EQ(list.MoveBack(c), 0);
    EXPECT_EQ(StartXs(list), (std::vector<int>{1, 3, 2}));
    EXPECT_EQ(list.GetTail(), b);
    EXPECT_EQ(list.MoveFront(a), 0);
    EXPECT_EQ(StartXs(list), (std::vector<int>{3, 1, 2}));
    EXPECT_EQ(list.MoveFront(a), 0);
    EXPECT_EQ(StartXs(list), (std::vector<int>{3, 2, 1}));
    EXPECT_EQ(list.GetTail(), a);
    // The links run both ways.
    std::vector<int> backwards;
    for (auto* item = list.GetTail(); item != list.GetHead(); item = item->Prev)
        backwards.push_back(item->Data.Start.x);
    EXPECT_EQ(backwards, (std::vector<int>{1, 2, 3}));
}

TEST(FigList, RemoveRefusesTheHeadAndMovesTheTailBack) {
    TFigList list;
    EXPECT_EQ(list.Remove(list.GetHead()), 1);
    EXPECT_EQ(list.Remove(nullptr), 1);
    TFigItem* a = list.Add(Rect(1, 0, 0, 0));
    TFigItem* b = list.Add(Rect(2, 0, 0, 0));
    EXPECT_EQ(list.Remove(b), 0);
    EXPECT_EQ(list.GetTail(), a);
    EXPECT_EQ(a->Next, nullptr);
    list.Clear();
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(list.GetTail(), list.GetHead());
    EXPECT_EQ(list.GetFirst(), nullptr);
    EXPECT_EQ(TFigList::GetNext(nullptr), nullptr);
    EXPECT_EQ(TFigList::GetPrev(nullptr), nullptr);
}

} // namespace
} // namespace murva
