// Recording and counting: every change of the figures is an action that is applied and
// appended here.

#include "history/document.h"

#include "model/cut_numbers.h"

#include <algorithm>
#include <utility>

namespace murva {

namespace {

bool SamePoints(const TPointDataRef& a, const TPointDataRef& b) {
    if (!a || !b) return a == b;
    if (a->Count != b->Count) return false;
    for (std::int32_t i = 0; i < a->Count; ++i)
        if (a->At(i) != b->At(i)) return false;
    return true;
}

bool SameShape(const TFigData& a, const TFigData& b);

bool SameChildren(const TFigListRef& a, const TFigListRef& b) {
    if (!a || !b) return (!a || a->IsEmpty()) && (!b || b->IsEmpty());
    const TFigItem *x = a->GetFirst(), *y = b->GetFirst();
    for (; x && y; x = x->Next, y = y->Next)
        if (!SameShape(x->Data, y->Data) || x->Data.PenColor != y->Data.PenColor ||
            x->Data.BrushColor != y->Data.BrushColor)
            return false;
    return !x && !y;
}

// What a size change carries: the box, the text size, the points and a stamp's children.
bool SameShape(const TFigData& a, const TFigData& b) {
    return a.Start == b.Start && a.End == b.End && a.TextSize == b.TextSize &&
           SamePoints(a.PointData, b.PointData) && SameChildren(a.StampData, b.StampData);
}

// A copy that owns its parts and keeps the box the figure has, even one that disagrees
// with its points: what a held change is compared with.
TFigData OwnedCopy(const TFigData& figure) {
    TFigData copy = figure;
    DeepCopyOwnedParts(copy);
    copy.Start = figure.Start;
    copy.End = figure.End;
    return copy;
}

} // namespace

std::int32_t TDocument::IdOf(const TFigItem* item) {
    const TActionItem* latest = History.ActionLog.LatestActionOf(&item->Data);
    // Taken as it is: earlier actions are never rewritten.
    return latest ? latest->Data.TargetID : 0;
}

TActionItem* TDocument::Record(TActionKind kind, TFigItem* target, const TFigData* figure) {
    // A held size change goes into the log before the action that ends it.
    if (History.ActionPending) CommitHeldChange();
    THistoryList& log = History.ActionLog;
    TActionItem* action = figure ? log.AppendWithFigure(*figure) : log.AppendEmpty();
    action->Data.TargetType = kind;
    if (CommandOpen) {
        action->Data.ActionTime = CommandStamp;
        CommandUsed = true;
    } else if (Clock) {
        action->Data.ActionTime = Clock();
    }
    if (target) action->Data.TargetID = IdOf(target);
    // The figures are no longer known to be the picture of a number of actions: replay
    // might name a figure differently than the command did.
    Built = -1;
    return action;
}

TFigItem* TDocument::RecordDuplicate(const TFigData& figure) {
    TActionItem* action = Record(TActionKind::Duplicate, nullptr, &figure);
    // Never an id the log holds already, whatever the count says.
    action->Data.TargetID = History.ActionLog.NewTargetID(++Figures.FigureCount);
    Apply(action, nullptr);
    return Figures.FigList.GetTail();
}

TFigItem* TDocument::RecordRestore() {
    TFigList& deleted = Figures.DeletedFigList;
    if (deleted.IsEmpty()) return nullptr;
    TActionItem* action = Record(TActionKind::Restore, nullptr, &deleted.GetTail()->Data);
    action->Data.TargetID = History.ActionLog.NewTargetID(++Figures.FigureCount);
    Apply(action, nullptr);
    return Figures.FigList.GetTail();
}

void TDocument::RecordMove(TFigItem* item, const TFigData& state) {
    TActionItem* action = Record(TActionKind::Move, item, &state);
    Apply(action, item);
    History.ActionLog.Link(action, &item->Data);
}

void TDocument::RecordDelete(TFigItem* item) {
    // By the figure's own id, taken while it is still there.
    Apply(Record(TActionKind::Delete, item), item);
    --Figures.FigureCount;
}

bool TDocument::RecordStep(TFigItem* item, TActionKind frontOrBack) {
    const bool front = frontOrBack == TActionKind::Front;
    // The list refuses the head, the first figure to the back and the last to the front.
    if (!item || (front ? !item->Next : item->Prev == Figures.FigList.GetHead())) return false;
    Apply(Record(frontOrBack, item), item);
    return true;
}

void TDocument::RecordChange(TFigItem* item, TChangeParameter parameter, const TFigData& state) {
    TActionItem* action = Record(TActionKind::Change, item, &state);
    action->Data.Parameter = parameter;
    Apply(action, item);
    History.ActionLog.Link(action, &item->Data);
}

void TDocument::RecordFile(TActionKind kind, const std::string& fileName) {
    TActionItem* action = Record(kind, nullptr);
    action->Data.FileName = fileName;
    Apply(action, nullptr);
}

TFigData& TDocument::HoldSizeChange(TFigItem* item) {
    if (IsHeld(&item->Data)) return item->Data;
    if (History.ActionPending) CommitHeldChange();
    History.PendingFigData = &item->Data;
    History.PendingBefore = OwnedCopy(item->Data);
    History.ActionPending = true;
    History.PendingStamp = CommandStamp;
    CommandUsed = true;
    return item->Data;
}

std::optional<TActionItem> TDocument::HeldChange() {
    TFigData* live = History.PendingFigData;
    if (!History.ActionPending || !live) return std::nullopt;
    const TActionItem* found = History.ActionLog.LatestActionOf(live);
    if (!found) return std::nullopt;
    TActionItem held;
    held.Data.FigData = OwnedCopy(*live);
    // Against the figure as the change found it: bars moved and back record nothing,
    // anything else that moved, stretched or rescaled is recorded.
    if (SameShape(held.Data.FigData, History.PendingBefore)) return std::nullopt;
    held.Data.TargetType = TActionKind::Change;
    held.Data.Parameter = TChangeParameter::Size;
    held.Data.TargetID = found->Data.TargetID;
    held.Data.ActionTime = History.PendingStamp;
    return held;
}

void TDocument::CommitHeldChange() {
    const std::optional<TActionItem> held = HeldChange();
    TFigData* live = History.PendingFigData;
    History.ActionPending = false;
    History.PendingFigData = nullptr;
    History.PendingBefore = {};
    if (!held) return;
    TActionItem* action = Record(TActionKind::Change, nullptr, &held->Data.FigData);
    if (CommandOpen) action->Data.ActionTime = held->Data.ActionTime;
    action->Data.Parameter = TChangeParameter::Size;
    action->Data.TargetID = held->Data.TargetID;
    ApplyChange(action->Data, *live);
    History.ActionLog.Link(action, live);
}

TActionTime TDocument::StampNow() const {
    if (CommandOpen) return CommandStamp;
    return Clock ? Clock() : TActionTime{};
}

void TDocument::BeginCommand() {
    if (!Clock) return;
    TActionTime stamp = Clock();
    // Each command that records gets a stamp later than the last one's, also within a
    // hundredth of a second, and one the last action of the log does not carry.
    if (CommandUsed) LastStamp = CommandStamp;
    if (!(LastStamp < stamp)) stamp = OneHundredthLater(LastStamp);
    const TActionItem* last = History.ActionLog.GetTail();
    if (last != History.ActionLog.GetHead() && last->Data.ActionTime == stamp)
        stamp = OneHundredthLater(stamp);
    CommandStamp = stamp;
    CommandOpen = true;
    CommandUsed = false;
}

const TCommandHistory& TDocument::Commands() const {
    const THistoryList& log = History.ActionLog;
    if (CommandCacheCount != log.GetCount() || CommandCacheGeneration != log.Generation()) {
        CommandCache = CommandsOf(log);
        CommandCacheCount = log.GetCount();
        CommandCacheGeneration = log.Generation();
    }
    return CommandCache;
}

void TDocument::Undo() {
    CommitHeldChange();
    const std::vector<std::int32_t>& done = Commands().Done;
    if (done.size() >= 2) RecordBranch(done[done.size() - 2]);
}

void TDocument::Redo() {
    CommitHeldChange();
    if (CanRedo()) RecordBranch(Commands().Undone.back());
}

void TDocument::RecordBranch(std::int32_t step) {
    TActionItem* action = Record(TActionKind::Branch, nullptr);
    action->Data.TargetID = step;
    History.ActionLog.NoteTargetID(step);
    ApplyAction(action);
    Recount();
}

void TDocument::Clear() {
    History.ActionLog.Clear(Figures.FigureCount);
    Figures.PairCount = 0;
    ClearFigures();
    History.Background.clear();
    Built = 0;
}

void TDocument::Recount() {
    Figures.FigureCount = Figures.FigList.Count();
    Figures.PairCount = Figures.FigureCount / 2;
}

std::int32_t TDocument::CutsInUse() const {
    return std::max(1, HighestCutNumberBelow(Figures.FigList, FirstPartsSlot, 1));
}

std::int32_t TDocument::SlotsInUse() const {
    return PartsCountOf(Figures.FigList);
}

bool TDocument::Load(const std::function<bool(THistoryList&)>& read, TEndCopies endCopies,
                     const std::string& dataFile) {
    CommitHeldChange();
    const bool wasEmpty = Figures.FigList.IsEmpty();
    THistoryList& log = History.ActionLog;
    TActionItem* beforeAll = log.GetTail();
    if (!dataFile.empty()) RecordFile(TActionKind::ReadData, dataFile);
    TActionItem* base = log.GetTail();
    if (!read(log)) {
        log.TruncateAfter(beforeAll);
        Recount();
        return false;
    }
    if (base->Next) {
        // A drawing that used an id again after a Branch: its later figure gets an id of
        // its own, so that what is done to it can name it.
        RenumberUnreachableCreators(base->Next, log.GetTail());
        ApplyRange(base->Next, log.GetTail());
    }
    const std::int32_t pairs = Figures.PairCount;
    Recount();
    if (endCopies != TEndCopies::None) {
        GiveEndCopiesToRead(wasEmpty, pairs, endCopies);
        Recount();
    }
    return true;
}

void TDocument::CopyLogOf(const TDocument& other) {
    for (const TActionItem* item = other.Log().GetFirst(); item; item = item->Next)
        History.ActionLog.AppendCopy(item->Data);
    Built = 0;
}

} // namespace murva
