#include "history/command_history.h"

#include <algorithm>
#include <iterator>
#include <map>
#include <tuple>
#include <unordered_map>

namespace murva {

bool operator<(const TActionTime& a, const TActionTime& b) {
    const auto key = [](const TActionTime& t) {
        return std::tuple(t.Year, t.Month, t.Day, t.Hour, t.Minute, t.Second, t.Hundredths);
    };
    return key(a) < key(b);
}

TActionTime OneHundredthLater(TActionTime t) {
    if (++t.Hundredths < 100) return t;
    t.Hundredths = 0;
    if (++t.Second < 60) return t;
    t.Second = 0;
    if (++t.Minute < 60) return t;
    t.Minute = 0;
    t.Hour = static_cast<std::uint8_t>((t.Hour + 1) % 24);
    return t;
}

namespace {

// For each ReadData, the first later action with its stamp: where the end copies made for
// the drawing begin. Found in one pass from the end, so many drawings cost no more.
std::unordered_map<const TActionItem*, const TActionItem*>
NextOfSameStamp(const THistoryList& log) {
    std::map<TActionTime, const TActionItem*> later;
    std::unordered_map<const TActionItem*, const TActionItem*> next;
    for (const TActionItem* item = log.GetFirst(); item; item = item->Next)
        if (item->Data.TargetType == TActionKind::ReadData)
            later.emplace(item->Data.ActionTime, nullptr);
    if (later.empty()) return next;
    for (const TActionItem* item = log.GetTail(); item != log.GetHead(); item = item->Prev) {
        const auto found = later.find(item->Data.ActionTime);
        if (found == later.end()) continue;
        if (item->Data.TargetType == TActionKind::ReadData && found->second)
            next.emplace(item, found->second);
        found->second = item;
    }
    return next;
}

// Whether the figures stand in whole pairs. A file whose actions were stamped one by one
// would otherwise let a step end between a start copy and its end copy. A start copy
// waits until a Duplicate of its look comes (its end copy), or until it is deleted; a
// brought-back figure waits for its partner, or for an end copy of its own; a deleted one
// for its partner's Delete. A figure is never edited while pairs are being made, so an
// edit means the making of pairs is over, however it ended.
class TPairWatch {
public:
    bool Whole() const { return Waiting.empty() && !LoneDelete; }
    void Reset() { *this = {}; }

    void Note(const TActionData& a) {
        if (a.TargetType != TActionKind::Delete) LoneDelete = false;
        switch (a.TargetType) {
        case TActionKind::Create:
            Wait(a);
            break;
        case TActionKind::Duplicate:
            if (!Take([&a](const TLook& w) { return w.Same(LookOf(a.FigData)); })) Wait(a);
            break;
        case TActionKind::Restore:
            // Two in a row are a pair brought back.
            if (!Take([](const TLook& w) { return w.Restored; })) Wait(a, true);
            break;
        case TActionKind::Delete:
            if (!Take([&a](const TLook& w) { return w.Id == a.TargetID; }))
                LoneDelete = !LoneDelete;
            break;
        case TActionKind::Move:
        case TActionKind::Change:
        case TActionKind::ReadBG:
        case TActionKind::ClearBG:
        case TActionKind::ClearAll:
        case TActionKind::ClearDrawing:
            Reset();
            break;
        default:
            break;
        }
    }

private:
    // What an end copy has in common with its start copy wherever either was moved.
    struct TLook {
        std::int32_t Id = 0;
        bool Restored = false;
        TDrawingTool Tool{};
        std::int32_t PenWidth = 0, TextSize = 0;
        TColor PenColor = 0, BrushColor = 0, TextColor = 0;
        std::string Text;
        bool Same(const TLook& o) const {
            return Tool == o.Tool && PenWidth == o.PenWidth && TextSize == o.TextSize &&
                   PenColor == o.PenColor && BrushColor == o.BrushColor &&
                   TextColor == o.TextColor && Text == o.Text;
        }
    };
    static TLook LookOf(const TFigData& f) {
        return {0,          false,        f.DrawingTool, f.PenWidth, f.TextSize,
                f.PenColor, f.BrushColor, f.TextColor,   f.Text};
    }
    void Wait(const TActionData& a, bool restored = false) {
        // A file that never pairs its figures is not watched for ever.
        if (Waiting.size() >= MaxWaiting) return Reset();
        TLook look = LookOf(a.FigData);
        look.Id = a.TargetID;
        look.Restored = restored;
        Waiting.push_back(std::move(look));
    }
    template <typename Match> bool Take(Match match) {
        for (auto w = Waiting.rbegin(); w != Waiting.rend(); ++w)
            if (match(*w)) {
                Waiting.erase(std::next(w).base());
                return true;
            }
        return false;
    }

    static constexpr std::size_t MaxWaiting = 256;
    std::vector<TLook> Waiting;
    bool LoneDelete = false;
};

// A Branch is a command of its own (もどす, やりなおす or a new line), unless it comes
// while pairs are being made and stays after the last command: then it is the drawing's
// own, inside the command that adds the drawing.
bool BranchIsACommand(const TActionData& branch, const TPairWatch& pairs, std::int32_t lastEnd) {
    return pairs.Whole() || branch.TargetID <= lastEnd;
}

} // namespace

TCommandHistory CommandsOf(const THistoryList& log) {
    TCommandHistory h;
    TPairWatch pairs;
    const auto twinsOf = NextOfSameStamp(log);
    // Where the last command ended.
    std::int32_t lastEnd = 0;
    for (const TActionItem* item = log.GetFirst(); item; item = item->Next) {
        const TActionData& a = item->Data;
        const bool commandBranch =
            a.TargetType == TActionKind::Branch && BranchIsACommand(a, pairs, lastEnd);
        if (a.TargetType == TActionKind::ReadData) {
            // The file's actions keep their own stamps: the command runs on to the end of
            // the next run of the ReadData's stamp, the end copies made for the drawing,
            // past whatever Branch or ReadData the drawing holds.
            if (const auto twins = twinsOf.find(item); twins != twinsOf.end()) {
                item = twins->second;
                while (item->Next && item->Next->Data.TargetType != TActionKind::Branch &&
                       item->Next->Data.ActionTime == a.ActionTime)
                    item = item->Next;
            }
            pairs.Reset();
        } else if (commandBranch) {
            pairs.Reset();
        } else {
            pairs.Note(a);
        }
        if (!commandBranch) {
            // A command ends where the stamp changes or a Branch that goes back follows,
            // never inside the making of a pair.
            const TActionItem* next = item->Next;
            if (next) {
                const bool branchNext = next->Data.TargetType == TActionKind::Branch;
                if (branchNext ? !BranchIsACommand(next->Data, pairs, lastEnd)
                               : next->Data.ActionTime == item->Data.ActionTime || !pairs.Whole())
                    continue;
            }
            h.Ends.push_back(item->Position);
            h.Done.push_back(item->Position);
            h.Undone.clear();
            lastEnd = item->Position;
            continue;
        }
        h.Ends.push_back(item->Position);
        lastEnd = item->Position;
        const std::int32_t step = a.TargetID;
        if (h.Done.size() >= 2 && step == h.Done[h.Done.size() - 2]) {
            h.Undone.push_back(h.Done.back());
            h.Done.pop_back();
        } else if (!h.Undone.empty() && step == h.Undone.back()) {
            h.Done.push_back(step);
            h.Undone.pop_back();
        } else {
            // A new line from the step: what led there on this line, then the step.
            std::erase_if(h.Done, [step](std::int32_t p) { return p > step; });
            if (h.Done.back() != step) h.Done.push_back(step);
            h.Undone.clear();
        }
    }
    return h;
}

} // namespace murva
