#include "history/command_history.h"

#include <algorithm>
#include <tuple>

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

TCommandHistory CommandsOf(const THistoryList& log) {
    TCommandHistory h;
    for (const TActionItem* item = log.GetFirst(); item; item = item->Next) {
        const TActionData& a = item->Data;
        const TActionItem* next = item->Next;
        if (a.TargetType == TActionKind::ReadData) {
            // The file's actions keep their own stamps: the command runs on to the end of
            // the next run of the ReadData's stamp before the next Branch or ReadData.
            bool inRun = false;
            for (const TActionItem* n = item->Next;
                 n && n->Data.TargetType != TActionKind::Branch &&
                 n->Data.TargetType != TActionKind::ReadData;
                 n = n->Next) {
                const bool same = n->Data.ActionTime == a.ActionTime;
                if (inRun && !same) break;
                if (same) item = n;
                inRun = same;
            }
            next = item->Next;
        }
        if (a.TargetType != TActionKind::Branch) {
            // A command ends where the stamp changes or a Branch follows.
            if (next && next->Data.TargetType != TActionKind::Branch &&
                next->Data.ActionTime == a.ActionTime)
                continue;
            h.Ends.push_back(item->Position);
            h.Done.push_back(item->Position);
            h.Undone.clear();
            continue;
        }
        h.Ends.push_back(item->Position);
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
