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
        const auto position = static_cast<std::int32_t>(Order.size());
        Order.push_back(item);
        LastBranch.push_back(item->Data.TargetType == akBranch ? position : LastBranch.back());
        if (item->Data.TargetType == akBranch) PositionOf.emplace(item, position);
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

void TReplayer::UnlinkAll() {
    for (TActionItem* item = History.ActionLog.GetFirst(); item; item = item->Next) {
        item->Data.TargetFigData = nullptr;
        item->Data.TargetFigItem = nullptr;
    }
}

void TReplayer::ClearFigures() {
    // Links into the cleared lists would dangle: drop them all.
    Figures.FigList.Clear();
    Figures.DeletedFigList.Clear();
    UnlinkAll();
}

// A Branch rebuilds the picture from the first n actions of the log. It never reaches
// itself or anything after it (a malformed step would recurse without end), and the
// rebuild starts at the last Branch inside the range, because that Branch clears
// everything before it anyway: nested branches cost linear time, not exponential.
void TReplayer::Branch(TActionItem* action) {
    auto found = PositionOf.find(action);
    if (found == PositionOf.end()) return;
    Rebuild(std::min(action->Data.TargetID, found->second - 1));
}

void TReplayer::Rebuild(std::int32_t n) {
    n = std::max(n, 0);
    const std::int32_t branch = LastBranch[static_cast<std::size_t>(n)];
    std::int32_t next = branch + 1;
    if (branch == 0) {
        History.PendingBGName.clear();
        ClearFigures();
        next = 1;
    } else {
        ApplyAction(Order[static_cast<std::size_t>(branch)]);
    }
    for (std::int32_t p = next; p <= n; ++p)
        ApplyAction(Order[static_cast<std::size_t>(p)]);
}

void TReplayer::ApplyAction(TActionItem* action) {
    TActionData& data = action->Data;
    data.TargetFigData = nullptr;
    data.TargetFigItem = nullptr;
    data.FigData.Rotation = 0;
    switch (data.TargetType) {
    case akCreate:
    case akDuplicate: {
        TFigItem* item = Figures.FigList.Add(data.FigData);
        data.TargetFigData = &item->Data;
        data.TargetFigItem = item;
        break;
    }
    case akMove: {
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
    case akDelete: {
        TActionItem* creator = FindCreator(data.TargetID);
        if (!creator || !creator->Data.TargetFigItem) break;
        Figures.DeletedFigList.Add(creator->Data.TargetFigItem->Data);
        Figures.FigList.Remove(creator->Data.TargetFigItem);
        creator->Data.TargetFigItem = nullptr;
        creator->Data.TargetFigData = nullptr;
        break;
    }
    case akUndo: {
        TFigItem* last = Figures.DeletedFigList.GetTail();
        if (last == Figures.DeletedFigList.GetHead()) break;
        TFigItem* item = Figures.FigList.Add(last->Data);
        data.TargetFigData = &item->Data;
        data.TargetFigItem = item;
        Figures.DeletedFigList.Remove(last);
        break;
    }
    case akFront:
        Figures.FigList.MoveFront(LiveTarget(action));
        break;
    case akBack:
        Figures.FigList.MoveBack(LiveTarget(action));
        break;
    case akChange:
        if (TFigItem* item = LiveTarget(action)) ApplyChange(action, item);
        break;
    case akReadBG:
        History.PendingBGName = data.FileName;
        break;
    case akCleareBG:
        History.PendingBGName.clear();
        break;
    case akClearAll:
        History.PendingBGName.clear();
        ClearFigures();
        break;
    case akClearDrawing:
        ClearFigures();
        break;
    case akBranch:
        Branch(action);
        break;
    default: // SetStamp, ReadData and unknown kinds change nothing
        break;
    }
}

void TReplayer::ApplyChange(const TActionItem* action, TFigItem* item) {
    const TFigData& recorded = action->Data.FigData;
    TFigData& live = item->Data;
    switch (action->Data.Parameter) {
    case cpSize:
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
        } else if (live.DrawingTool == dtStamp) {
            if (!live.StampData) live.StampData = std::make_shared<TFigList>();
            live.StampData->Clear();
            if (recorded.StampData)
                for (auto* child = recorded.StampData->GetFirst(); child; child = child->Next)
                    live.StampData->Add(child->Data);
        }
        break;
    case cpBodyColor:
        live.BrushColor = recorded.BrushColor;
        break;
    case cpLineWidth:
        live.PenWidth = recorded.PenWidth;
        break;
    case cpLineColor:
        live.PenColor = recorded.PenColor;
        break;
    case cpText:
        live.Text = recorded.Text;
        live.Start = recorded.Start;
        live.End = recorded.End;
        break;
    case cpTextColor:
        live.TextColor = recorded.TextColor;
        break;
    default:
        break;
    }
}

void TReplayer::ApplyRange(TActionItem* first, TActionItem* last) {
    for (TActionItem* item = first; item; item = item->Next) {
        ApplyAction(item);
        if (item == last) break;
    }
}

} // namespace murva
