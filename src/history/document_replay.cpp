// Replay: what each action does to the figures, and the picture at any position of the
// log. Each action finds its figure through the action that created it: the first
// Create, Duplicate or Restore in the log with the same target id, looked up through an
// index so that replay stays linear.

#include "history/document.h"

#include <algorithm>
#include <limits>

namespace murva {

namespace {

// Where the figure lies, as a recorded copy has it: an outline figure's box is that of
// its points, whatever box it carries.
TPoint Placement(const TFigData& figure) {
    if (!IsPointFigure(figure.DrawingTool) || !figure.PointData || figure.PointData->Count == 0)
        return figure.Start;
    TPoint least{std::numeric_limits<std::int32_t>::max(),
                 std::numeric_limits<std::int32_t>::max()};
    for (std::int32_t i = 0; i < figure.PointData->Count; ++i) {
        least.x = std::min(least.x, figure.PointData->At(i).x);
        least.y = std::min(least.y, figure.PointData->At(i).y);
    }
    return least;
}

} // namespace

void TDocument::Index() {
    THistoryList& log = History.ActionLog;
    if (Order.empty() || IndexedGeneration != log.Generation()) {
        Creators.clear();
        Order.assign(1, log.GetHead());
        LastBranch.assign(1, 0);
        IndexedGeneration = log.Generation();
        if (Built > log.GetCount()) Built = -1;
        // Once for the whole log; growing by one action leaves the vectors to grow.
        const auto count = static_cast<std::size_t>(log.GetCount());
        Order.reserve(count + 1);
        LastBranch.reserve(count + 1);
    }
    for (TActionItem* item = Order.back()->Next; item; item = item->Next) {
        Order.push_back(item);
        LastBranch.push_back(item->Data.TargetType == TActionKind::Branch ? item->Position
                                                                          : LastBranch.back());
        if (IsCreatingKind(item->Data.TargetType)) Creators.try_emplace(item->Data.TargetID, item);
    }
}

TActionItem* TDocument::FindCreator(std::int32_t targetID) {
    auto found = Creators.find(targetID);
    return found == Creators.end() ? nullptr : found->second;
}

const TFigItem* TDocument::FigureOf(std::int32_t targetID) {
    Index();
    const TActionItem* creator = FindCreator(targetID);
    return creator ? creator->Data.TargetFigItem : nullptr;
}

TFigItem* TDocument::LiveTarget(const TActionItem* action) {
    TActionItem* creator = FindCreator(action->Data.TargetID);
    return creator ? creator->Data.TargetFigItem : nullptr;
}

void TDocument::ClearFigures() {
    // Links into the cleared lists would dangle: drop them all, and what points at them.
    Figures.FigList.Clear();
    Figures.DeletedFigList.Clear();
    History.ActionLog.UnlinkAll();
    Figures.SelectedFig = Figures.LastSelectedFig = nullptr;
    History.ActionPending = false;
    History.PendingFigData = nullptr;
}

void TDocument::RemoveFigure(TFigItem* item) {
    if (Figures.SelectedFig == item) Figures.SelectedFig = nullptr;
    if (Figures.LastSelectedFig == item) Figures.LastSelectedFig = nullptr;
    if (History.PendingFigData == &item->Data) {
        History.ActionPending = false;
        History.PendingFigData = nullptr;
    }
    Figures.FigList.Remove(item);
}

void TDocument::Forget(TActionItem* action) {
    History.ActionLog.Unlink(action);
}

// The picture at n starts from the last Branch at or before n, since that Branch clears
// everything before it, and that Branch's picture from the one before it, and so on: the
// chain is walked without recursion. It stops early where the figures are known to be
// the picture of that many actions already, as they are when a Branch asks for the step
// just before it. A Branch never reaches itself or anything after it, since a malformed
// step would otherwise recurse without end.
void TDocument::Rebuild(std::int32_t n) {
    Index();
    struct TLevel {
        std::int32_t Branch, End;
    };
    std::vector<TLevel> chain;
    bool fromNothing = false;
    for (n = std::clamp(n, 0, History.ActionLog.GetCount()); Built != n;) {
        const std::int32_t branch = LastBranch[static_cast<std::size_t>(n)];
        chain.push_back({branch, n});
        if (branch == 0) {
            fromNothing = true;
            break;
        }
        const TActionItem* inner = Order[static_cast<std::size_t>(branch)];
        n = std::max(std::min(inner->Data.TargetID, branch - 1), 0);
    }
    if (fromNothing) {
        History.Background.clear();
        ClearFigures();
        Built = 0;
    }
    for (auto level = chain.rbegin(); level != chain.rend(); ++level) {
        if (level->Branch > 0) {
            // The inner Branch's own picture is the one just built.
            Forget(Order[static_cast<std::size_t>(level->Branch)]);
            Built = level->Branch;
        }
        for (std::int32_t p = level->Branch + 1; p <= level->End; ++p)
            ApplyAction(Order[static_cast<std::size_t>(p)]);
    }
}

void TDocument::ApplyAction(TActionItem* action) {
    if (action == History.ActionLog.GetHead()) return; // it holds no action
    Index();
    Forget(action);
    // Whether the figures are still the picture of the first so many actions.
    const std::int32_t position = action->Position;
    const bool inStep = Built >= 0 && Built == position - 1;
    const TActionKind kind = action->Data.TargetType;
    if (kind == TActionKind::Branch) {
        // Never itself or anything after it.
        Rebuild(std::min(action->Data.TargetID, position - 1));
        Built = position;
        return;
    }
    Apply(action, IsCreatingKind(kind) ? nullptr : LiveTarget(action));
    // A figure that replay builds carries no end-copy mark; the action keeps the mark it
    // was saved with, so that a file saves again as it was read.
    if (TFigItem* built = IsCreatingKind(kind) ? action->Data.TargetFigItem : nullptr)
        built->Data.EndCopyMark = 0;
    Built = inStep ? position : -1;
}

void TDocument::Apply(TActionItem* action, TFigItem* target) {
    TActionData& data = action->Data;
    Index();
    switch (data.TargetType) {
    case TActionKind::Create:
    case TActionKind::Duplicate: {
        TFigItem* item = Figures.FigList.Add(data.FigData);
        History.ActionLog.Link(action, &item->Data, item);
        break;
    }
    case TActionKind::Restore: {
        TFigItem* last = Figures.DeletedFigList.GetTail();
        if (last == Figures.DeletedFigList.GetHead()) break;
        TFigItem* item = Figures.FigList.Add(last->Data);
        History.ActionLog.Link(action, &item->Data, item);
        Figures.DeletedFigList.Remove(last);
        break;
    }
    case TActionKind::Move: {
        if (!target) break;
        TFigData& f = target->Data;
        // Measured the way the recorded copy was placed, so that a figure whose box
        // disagrees with its points does not jump.
        const TPoint from = Placement(f), to = Placement(data.FigData);
        f.Offset(to.x - from.x, to.y - from.y);
        if (data.FigData.Free != 0) {
            f.Free = 1;
            f.FreeMoveCount = data.FigData.FreeMoveCount;
            f.FreeMoveData = data.FigData.FreeMoveData;
        } else {
            f.Free = 0;
        }
        f.CutNumber = data.FigData.CutNumber;
        break;
    }
    case TActionKind::Delete:
        if (!target) break;
        // The creator lets go of the figure, which is gone.
        if (TActionItem* creator = FindCreator(data.TargetID);
            creator && creator->Data.TargetFigItem == target)
            History.ActionLog.Unlink(creator);
        Figures.DeletedFigList.Add(target->Data);
        RemoveFigure(target);
        break;
    case TActionKind::Front:
        Figures.FigList.MoveFront(target);
        break;
    case TActionKind::Back:
        Figures.FigList.MoveBack(target);
        break;
    case TActionKind::Change:
        if (target) ApplyChange(data, target->Data);
        break;
    case TActionKind::ReadBG:
        History.Background = data.FileName;
        break;
    case TActionKind::ClearBG:
        History.Background.clear();
        break;
    case TActionKind::ClearAll:
        History.Background.clear();
        ClearFigures();
        break;
    case TActionKind::ClearDrawing:
        ClearFigures();
        break;
    default: // SetStamp, ReadData, Branch (see ApplyAction) and unknown kinds change nothing
        break;
    }
}

void TDocument::ApplyChange(const TActionData& action, TFigData& live) {
    const TFigData& recorded = action.FigData;
    switch (action.Parameter) {
    case TChangeParameter::Size:
        live.TextSize = recorded.TextSize;
        live.Start = recorded.Start;
        live.End = recorded.End;
        if (IsPointFigure(live.DrawingTool) && live.PointData && recorded.PointData) {
            const std::int32_t n = std::min(live.PointData->Count, recorded.PointData->Count);
            for (std::int32_t i = 0; i < n; ++i)
                live.PointData->At(i) = recorded.PointData->At(i);
            live.PointData->MinX = recorded.PointData->MinX;
            live.PointData->MinY = recorded.PointData->MinY;
            live.PointData->MaxX = recorded.PointData->MaxX;
            live.PointData->MaxY = recorded.PointData->MaxY;
        } else if (live.DrawingTool == TDrawingTool::Stamp) {
            if (!live.StampData) live.StampData = std::make_shared<TFigList>();
            live.StampData->Clear();
            if (recorded.StampData)
                for (auto* child = recorded.StampData->GetFirst(); child; child = child->Next)
                    live.StampData->Add(child->Data);
        }
        break;
    case TChangeParameter::BodyColor:
        live.BrushColor = recorded.BrushColor;
        break;
    case TChangeParameter::LineWidth:
        live.PenWidth = recorded.PenWidth;
        break;
    case TChangeParameter::LineColor:
        live.PenColor = recorded.PenColor;
        break;
    case TChangeParameter::Text:
        live.Text = recorded.Text;
        live.Start = recorded.Start;
        live.End = recorded.End;
        break;
    case TChangeParameter::TextColor:
        live.TextColor = recorded.TextColor;
        break;
    default:
        break;
    }
}

void TDocument::ApplyRange(TActionItem* first, TActionItem* last) {
    Index();
    History.ActionLog.DeferLatest();
    // From nothing, links left on the log can only point at freed figures.
    if (first->Position <= 1 && Figures.FigList.IsEmpty() && Figures.DeletedFigList.IsEmpty() &&
        History.Background.empty()) {
        History.ActionLog.UnlinkAll();
        Built = 0;
        // Only the picture at the end is wanted: what a later Branch goes back over is
        // never built, so that a log of many Branches opens in linear time.
        Rebuild(last->Position);
        return;
    }
    for (TActionItem* item = first; item; item = item->Next) {
        ApplyAction(item);
        if (item == last) break;
    }
}

void TDocument::RenumberUnreachableCreators(TActionItem* first, TActionItem* last) {
    Index();
    for (TActionItem* item = first; item; item = item->Next) {
        TActionData& data = item->Data;
        if (IsCreatingKind(data.TargetType) && FindCreator(data.TargetID) != item) {
            data.TargetID = History.ActionLog.NewTargetID(data.TargetID);
            Creators.try_emplace(data.TargetID, item);
        }
        if (item == last) break;
    }
}

} // namespace murva
