#include "history/replay.h"

#include <algorithm>

namespace murva {

TReplayer::TReplayer(THistoryState& history, TFigureState& figures)
    : History(history), Figures(figures) {
    // The log does not change during a replay, so one pass builds the whole index.
    const auto count = static_cast<std::size_t>(History.ActionLog.GetCount());
    Creators.reserve(count);
    Order.reserve(count + 1);
    LastBranch.reserve(count + 1);
    Order.push_back(History.ActionLog.GetHead());
    LastBranch.push_back(0);
    for (TActionItem* item = History.ActionLog.GetFirst(); item; item = item->Next) {
        Order.push_back(item);
        LastBranch.push_back(item->Data.TargetType == TActionKind::Branch ? item->Position
                                                                          : LastBranch.back());
        if (IsCreatingKind(item->Data.TargetType)) Creators.try_emplace(item->Data.TargetID, item);
    }
}

TActionItem* TReplayer::FindCreator(std::int32_t targetID) const {
    auto found = Creators.find(targetID);
    return found == Creators.end() ? nullptr : found->second;
}

TFigItem* TReplayer::LiveTarget(const TActionItem* action) const {
    TActionItem* creator = FindCreator(action->Data.TargetID);
    return creator ? creator->Data.TargetFigItem : nullptr;
}

void TReplayer::ClearFigures() {
    // Links into the cleared lists would dangle: drop them all, and what points at them.
    Figures.FigList.Clear();
    Figures.DeletedFigList.Clear();
    History.ActionLog.UnlinkAll();
    Figures.SelectedFig = Figures.LastSelectedFig = nullptr;
    History.ActionPending = false;
    History.PendingFigData = nullptr;
}

void TReplayer::RemoveFigure(TFigItem* item) {
    if (Figures.SelectedFig == item) Figures.SelectedFig = nullptr;
    if (Figures.LastSelectedFig == item) Figures.LastSelectedFig = nullptr;
    if (History.PendingFigData == &item->Data) {
        History.ActionPending = false;
        History.PendingFigData = nullptr;
    }
    Figures.FigList.Remove(item);
}

// The figures as the first n actions of the log build them from nothing: the picture a
// Branch asks for, where n is before the Branch. A Branch never reaches itself or
// anything after it, since a malformed step would otherwise recurse without end.
//
// The picture at n starts from the last Branch at or before n, since that Branch
// clears everything before it, and that Branch's picture from the one before it, and
// so on: the chain is walked without recursion. It stops early where the figures are
// known to be the picture of that many actions already, as they are when a Branch asks
// for the step just before it.
void TReplayer::Rebuild(std::int32_t n) {
    struct TLevel {
        std::int32_t Branch, End;
    };
    std::vector<TLevel> chain;
    bool fromNothing = false;
    for (n = std::max(n, 0); Built != n;) {
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
        History.PendingBGName.clear();
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

void TReplayer::Forget(TActionItem* action) {
    History.ActionLog.Unlink(action);
    action->Data.FigData.EndCopyMark = 0;
}

void TReplayer::ApplyAction(TActionItem* action) {
    if (action == History.ActionLog.GetHead()) return; // it holds no action
    TActionData& data = action->Data;
    Forget(action);
    // Whether the figures are still the picture of the first so many actions.
    const std::int32_t position = action->Position;
    const bool inStep = Built >= 0 && Built == position - 1;
    switch (data.TargetType) {
    case TActionKind::Create:
    case TActionKind::Duplicate: {
        TFigItem* item = Figures.FigList.Add(data.FigData);
        History.ActionLog.Link(action, &item->Data, item);
        break;
    }
    case TActionKind::Move: {
        TFigItem* item = LiveTarget(action);
        if (!item) break;
        TFigData& f = item->Data;
        f.Offset(data.FigData.Start.x - f.Start.x, data.FigData.Start.y - f.Start.y);
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
    case TActionKind::Delete: {
        TActionItem* creator = FindCreator(data.TargetID);
        if (!creator || !creator->Data.TargetFigItem) break;
        Figures.DeletedFigList.Add(creator->Data.TargetFigItem->Data);
        RemoveFigure(creator->Data.TargetFigItem);
        History.ActionLog.Unlink(creator);
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
    case TActionKind::Front:
        Figures.FigList.MoveFront(LiveTarget(action));
        break;
    case TActionKind::Back:
        Figures.FigList.MoveBack(LiveTarget(action));
        break;
    case TActionKind::Change:
        if (TFigItem* item = LiveTarget(action)) ApplyChange(action, item);
        break;
    case TActionKind::ReadBG:
        History.PendingBGName = data.FileName;
        break;
    case TActionKind::ClearBG:
        History.PendingBGName.clear();
        break;
    case TActionKind::ClearAll:
        History.PendingBGName.clear();
        ClearFigures();
        break;
    case TActionKind::ClearDrawing:
        ClearFigures();
        break;
    case TActionKind::Branch:
        // Never itself or anything after it.
        Rebuild(std::min(data.TargetID, position - 1));
        Built = position;
        return;
    default: // SetStamp, ReadData and unknown kinds change nothing
        break;
    }
    Built = inStep ? position : -1;
}

void TReplayer::ApplyChange(const TActionItem* action, TFigItem* item) {
    const TFigData& recorded = action->Data.FigData;
    TFigData& live = item->Data;
    switch (action->Data.Parameter) {
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

void TReplayer::ApplyRange(TActionItem* first, TActionItem* last) {
    History.ActionLog.DeferLatest();
    // From nothing, links left on the log can only point at freed figures.
    if (first->Position <= 1 && Figures.FigList.IsEmpty() && Figures.DeletedFigList.IsEmpty() &&
        History.PendingBGName.empty()) {
        History.ActionLog.UnlinkAll();
        Built = std::max(first->Position - 1, 0);
    }
    for (TActionItem* item = first; item; item = item->Next) {
        ApplyAction(item);
        if (item == last) break;
    }
}

void TReplayer::RenumberUnreachableCreators(TActionItem* first, TActionItem* last) {
    for (TActionItem* item = first; item; item = item->Next) {
        TActionData& data = item->Data;
        if (IsCreatingKind(data.TargetType) && FindCreator(data.TargetID) != item)
            data.TargetID = History.ActionLog.NewTargetID(data.TargetID);
        if (item == last) break;
    }
}

} // namespace murva
