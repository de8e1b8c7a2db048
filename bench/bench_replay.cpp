// Replay of generated logs: the time must grow linearly with the log's length.

#include "history/document.h"
#include "support/document_access.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <memory>
#include <vector>

namespace murva {
namespace {

// A log like a long editing session: figures are created and duplicated, then moved,
// recoloured, resized, reordered, deleted and brought back.
void FillLog(THistoryState& history, int actions) {
    THistoryList& log = history.ActionLog;
    std::int32_t lastID = 0;
    auto append = [&](TActionKind kind, std::int32_t id, const TFigData* figure) {
        TActionItem* item = figure ? log.AppendWithFigure(*figure) : log.AppendEmpty();
        item->Data.TargetType = kind;
        item->Data.TargetID = id;
        return item;
    };
    TFigData polyline;
    polyline.DrawingTool = TDrawingTool::Polyline;
    polyline.PointData = std::make_shared<TPointData>();
    for (int i = 0; i < 20; ++i)
        polyline.PointData->AddTracked(i * 5, (i * 37) % 50);
    TFigData rect;
    rect.DrawingTool = TDrawingTool::Rectangle;
    rect.End = {40, 30};
    for (int n = 0; n < actions; ++n) {
        const int pick = n % 10;
        if (pick < 3 || lastID < 4) {
            append(pick == 1 ? TActionKind::Duplicate : TActionKind::Create, ++lastID,
                   pick == 2 ? &polyline : &rect);
        } else {
            // Editing works mostly on what was drawn last, sometimes on anything older.
            const std::int32_t recent = std::min<std::int32_t>(lastID, 64);
            const std::int32_t id =
                n % 5 == 0 ? 1 + (n * 7919) % lastID : lastID - (n * 31) % recent;
            TFigData moved = rect;
            moved.Start = {n % 600, n % 440};
            switch (pick) {
            case 3:
            case 4:
                append(TActionKind::Move, id, &moved);
                break;
            case 5:
                append(TActionKind::Change, id, &moved)->Data.Parameter =
                    TChangeParameter::BodyColor;
                break;
            case 6:
                append(TActionKind::Change, id, &moved)->Data.Parameter = TChangeParameter::Size;
                break;
            case 7:
                append(n % 20 == 7 ? TActionKind::Front : TActionKind::Back, id, nullptr);
                break;
            case 8:
                append(TActionKind::Delete, id, nullptr);
                break;
            default:
                append(TActionKind::Restore, ++lastID, &rect);
                break;
            }
        }
    }
}

// Empties the figures, so that the next replay starts from nothing again.
void ForgetFigures(TDocument& doc) {
    test::Figures(doc).FigList.Clear();
    test::Figures(doc).DeletedFigList.Clear();
    test::History(doc).Background.clear();
}

void BM_Replay(benchmark::State& state) {
    TDocument doc;
    THistoryState& history = test::History(doc);
    FillLog(history, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        doc.ApplyRange(history.ActionLog.GetFirst(), history.ActionLog.GetTail());
        benchmark::DoNotOptimize(doc.FigList().GetTail());
        state.PauseTiming(); // releasing the figures is not part of the replay
        ForgetFigures(doc);
        state.ResumeTiming();
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_Replay)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity();

// The same with the caches emptied before every replay: a 10 000-action log fits in
// this machine's 32 MB cache and a 100 000-action one does not, so the warm figures
// above mix the growth of the work with the cost of leaving the cache.
void BM_ReplayColdCache(benchmark::State& state) {
    TDocument doc;
    THistoryState& history = test::History(doc);
    FillLog(history, static_cast<int>(state.range(0)));
    std::vector<char> sweep(96 << 20, 1);
    for (auto _ : state) {
        state.PauseTiming();
        for (std::size_t i = 0; i < sweep.size(); i += 64)
            sweep[i] += 1;
        benchmark::DoNotOptimize(sweep.data());
        state.ResumeTiming();
        doc.ApplyRange(history.ActionLog.GetFirst(), history.ActionLog.GetTail());
        benchmark::DoNotOptimize(doc.FigList().GetTail());
        state.PauseTiming();
        ForgetFigures(doc);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ReplayColdCache)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// "もどす" and "やりなおす" on a 100 000-action log of one command per action: each
// records a Branch and builds the picture at its step.
void BM_UndoOrRedo(benchmark::State& state) {
    TDocument doc;
    FillLog(test::History(doc), static_cast<int>(state.range(0)));
    TActionTime stamp;
    for (TActionItem* item = doc.Log().GetFirst(); item; item = item->Next)
        item->Data.ActionTime = stamp = OneHundredthLater(stamp);
    doc.ApplyRange(doc.Log().GetFirst(), doc.Log().GetTail());
    bool back = true;
    for (auto _ : state) {
        back ? doc.Undo() : doc.Redo();
        back = !back;
        benchmark::DoNotOptimize(doc.FigList().GetTail());
    }
}
BENCHMARK(BM_UndoOrRedo)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace murva

BENCHMARK_MAIN();
