#pragma once
// The document: the figures, the action log and the counters beside them, and the one
// way to change the figures. A command builds the action that says what changes and
// records it; recording applies the action with the same code that replay uses, then
// appends it. Replay rebuilds the picture at any position of the log.

#include "history/command_history.h"
#include "history/history_state.h"
#include "model/figure_state.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace murva {

// What the figures a file adds get: nothing (an animation's figures have theirs), or an
// end copy each, marked as one of the bin's when `Marked`.
enum class TEndCopies { None, Plain, Marked };

class TDocument {
public:
    TDocument() = default;
    TDocument(const TDocument&) = delete;
    TDocument& operator=(const TDocument&) = delete;

    // The time every recorded action is stamped with.
    std::function<TActionTime()> Clock;

    // --- What the document holds, to read; it changes only through the methods below ---
    // All figures of all cuts and bin slots, in painting order.
    const TFigList& FigList() const { return Figures.FigList; }
    // Copies of deleted figures, the last deleted at the tail.
    const TFigList& DeletedFigList() const { return Figures.DeletedFigList; }
    const THistoryList& Log() const { return History.ActionLog; }
    // Items 0..H-1 of the list are start copies, H..2H-1 their end copies.
    std::int32_t PairCount() const { return Figures.PairCount; }
    // The figures as recording counts them: it grows with a copy, shrinks with a delete,
    // and is counted again after a load or a Branch.
    std::int32_t FigureCount() const { return Figures.FigureCount; }
    // The highest cut a figure lies in (at least 1), and the bin slots in use.
    std::int32_t CutsInUse() const;
    std::int32_t SlotsInUse() const;
    // The background the picture has: the one the last background action named; empty
    // for none.
    const std::string& Background() const { return History.Background; }
    // The latest action recorded or replayed for the live figure, or nullptr.
    const TActionItem* LatestActionOf(const TFigData* figure) const {
        return History.ActionLog.LatestActionOf(figure);
    }

    // --- The selection ---
    TFigItem* SelectedFig() const { return Figures.SelectedFig; }
    // The figure the last press picked, whose frame the next press takes away.
    TFigItem* LastSelectedFig() const { return Figures.LastSelectedFig; }
    void Select(TFigItem* item) { Figures.SelectedFig = item; }
    void SetLastSelected(TFigItem* item) { Figures.LastSelectedFig = item; }
    void ClearSelection() { Figures.SelectedFig = Figures.LastSelectedFig = nullptr; }

    // --- Loading ---
    // `read` appends a file's actions to the log it is given and says whether all of them
    // read. Then the document replays them, and the figures they added get their end
    // copies as asked; a read that failed leaves nothing. With `dataFile`, a ReadData
    // naming it goes first, in the command, and goes with a failed read.
    bool Load(const std::function<bool(THistoryList&)>& read, TEndCopies endCopies,
              const std::string& dataFile = {});
    // The log of another document, actions only, into this empty one; nothing replayed.
    void CopyLogOf(const TDocument& other);

    // --- Commands: each user command's actions carry one stamp, its own ---
    // A user command begins; what it records is one step for "もどす".
    void BeginCommand();
    // "もどす" and "やりなおす": a Branch to the picture before the last command, or to
    // the one it took back. Nothing is recorded when there is nothing to go to.
    bool CanUndo() const { return Commands().Done.size() >= 2; }
    bool CanRedo() const { return !Commands().Undone.empty(); }
    void Undo();
    void Redo();
    // The stamp an action recorded now carries: the command's, outside one the clock's.
    TActionTime StampNow() const;
    // The commands of the log and where the picture stands among them.
    const TCommandHistory& Commands() const;

    // --- Recording: each builds its action, applies it, and appends it ---
    // A copy of the figure at the tail, under a new target id.
    TFigItem* RecordDuplicate(const TFigData& figure);
    // The last deleted figure back at the tail ("ふっかつ"); nullptr when none is left.
    TFigItem* RecordRestore();
    // The figure takes the position (from its Start), cut and free path of `state`.
    void RecordMove(TFigItem* item, const TFigData& state);
    // The figure as it is now, recorded as a Move: what a drag or a cut command left.
    void RecordMove(TFigItem* item) { RecordMove(item, item->Data); }
    // The figure goes to the deleted figures.
    void RecordDelete(TFigItem* item);
    // One place to the front or back; false, and nothing recorded, when it cannot go.
    bool RecordStep(TFigItem* item, TActionKind frontOrBack);
    // The parameter of the figure takes its value from `state`.
    void RecordChange(TFigItem* item, TChangeParameter parameter, const TFigData& state);
    // A ReadBG, ClearBG or ReadData naming the file; the picture's background follows.
    void RecordFile(TActionKind kind, const std::string& fileName);

    // --- Pairs: every figure has its end copy ---
    // Each figure, new at the tail, goes back among the start copies and gets its end
    // copy at the tail; the last end copy made.
    TFigItem* RecordEndCopies(const std::vector<TFigItem*>& figures,
                              TEndCopies endCopies = TEndCopies::Plain);
    // The figure and its partner go to the deleted figures.
    void RecordDeletePair(TFigItem* item);
    // "ふっかつ": the last deleted pair back, or a figure deleted alone with a new end
    // copy, selected; nullptr when nothing was deleted.
    TFigItem* RecordRestorePair();

    // A drag moves the figure as the pointer goes; its release records the Move.
    void DragBy(TFigItem* item, std::int32_t dx, std::int32_t dy) { item->Data.Offset(dx, dy); }
    // A size change of the figure is held open while the size bars reshape it (the figure
    // returned), and recorded as one action when something else happens; whatever changed
    // is recorded.
    TFigData& HoldSizeChange(TFigItem* item);
    void CommitHeldChange();
    // The action the held size change would record now; nothing when none is held or it
    // changed nothing.
    std::optional<TActionItem> HeldChange();
    bool IsHeld(const TFigData* figure) const {
        return History.ActionPending && History.PendingFigData == figure;
    }
    bool HoldsChange() const { return History.ActionPending; }

    // --- Replay ---
    // The effect of one logged action on the figures, found by their target ids.
    void ApplyAction(TActionItem* action);
    // Applies every action from `first` to `last`, both included, in log order.
    void ApplyRange(TActionItem* first, TActionItem* last);
    // The figures as the first n actions of the log build them from nothing.
    void Rebuild(std::int32_t n);
    // The figure a target id names in the picture now; nullptr when it has none.
    const TFigItem* FigureOf(std::int32_t targetID);

    // An empty document: no figures, no pairs, no log, no background (the figure count
    // goes back to 1 when the log held actions).
    void Clear();

private:
    // Gives a fresh id to every creating action of the range whose id an earlier creating
    // action holds: replay never reaches it by that id, and later actions could not name
    // its figure.
    void RenumberUnreachableCreators(TActionItem* first, TActionItem* last);
    // The counters from the figures: after a load or a Branch.
    void Recount();
    // The end copies of the figures a file added to a list that held `pairs` pairs.
    void GiveEndCopiesToRead(bool wasEmpty, std::int32_t pairs, TEndCopies endCopies);

    TFigureState Figures;
    THistoryState History;
    // Tests set up figures and logs that no command makes through it.
    friend struct TDocumentTestAccess;

    // What an action does to the figures; `target` is the figure it names (replay finds
    // it by id, recording is given it). Each action's effect is written here once.
    void Apply(TActionItem* action, TFigItem* target);
    void ApplyChange(const TActionData& action, TFigData& live);
    // Records a Branch to the step and shows its picture.
    void RecordBranch(std::int32_t step);
    // Appends the action with the command's stamp (the clock's time outside a command);
    // a held size change goes first.
    TActionItem* Record(TActionKind kind, TFigItem* target, const TFigData* figure = nullptr);
    // The target id of the figure: that of its latest action, 0 when it has none.
    std::int32_t IdOf(const TFigItem* item);

    void ClearFigures();
    // Takes the figure out of the list; a selection or held change of it goes with it.
    void RemoveFigure(TFigItem* item);
    // Drops what an earlier replay left on the action.
    void Forget(TActionItem* action);

    // The index of the log: creating actions by id, actions by position, and for each
    // position the position of the last Branch at or before it. Kept up to date as the
    // log grows, and built again when it was cut back.
    void Index();
    TActionItem* FindCreator(std::int32_t targetID);
    TFigItem* LiveTarget(const TActionItem* action);
    std::unordered_map<std::int32_t, TActionItem*> Creators;
    std::vector<TActionItem*> Order;
    std::vector<std::int32_t> LastBranch;
    std::uint64_t IndexedGeneration = 0;
    // The stamp of the command in progress, and whether it has recorded anything.
    TActionTime CommandStamp;
    bool CommandOpen = false, CommandUsed = false;
    // The stamp of the last command that recorded something.
    TActionTime LastStamp;
    // Commands() of the log as it was at this count and generation.
    mutable TCommandHistory CommandCache;
    mutable std::int32_t CommandCacheCount = -1;
    mutable std::uint64_t CommandCacheGeneration = 0;
    // The figures are what the first Built actions build from nothing; -1 unknown.
    std::int32_t Built = 0;
};

} // namespace murva
