// The recovery journal over a drag-heavy session: what one batch costs per recorded
// action, a batch being what a child records in about a second; and a start-up that finds
// no journal left.

#include "app/zinda_form.h"
#include "qt/qt_graphics.h"
#include "support/fake_host.h"
#include "support/material_files.h"

#include <benchmark/benchmark.h>

namespace {

using namespace murva;

struct Session {
    test::FakeHost host;
    qt::QtGraphics graphics;
    TZindaForm form{host, graphics};
    test::TempDir temp;

    Session() {
        host.StateDir = temp.Path("state");
        form.FormCreate({});
        form.OpenFileByName(MURVA_EXAMPLES "/house.znd");
        form.PartsUseBtnClick(1);
        form.JournalTimerTimer();
    }
    // A drag of a figure of the house in the first cut, a few pixels along.
    void Drag(int n) {
        std::vector<TPoint> corners;
        for (auto* f = form.S.Doc.FigList().GetFirst(); f; f = f->Next)
            if (f->Data.CutNumber == 1) corners.push_back(f->Data.Start);
        const TPoint from = corners[static_cast<std::size_t>(n) % corners.size()];
        const int dx = n % 2 ? 1 : -1;
        form.BeginCommand();
        form.PaintBoxMouseDown(from.x, from.y);
        for (int step = 1; step <= 10; ++step)
            form.PaintBoxMouseMove(from.x + dx * step, from.y);
        form.PaintBoxMouseUp(from.x + dx * 10, from.y);
    }
};

// state.range(0) actions recorded between two batches.
void BM_JournalBatchPerRecordedAction(benchmark::State& state) {
    Session session;
    const auto perBatch = static_cast<int>(state.range(0));
    std::int64_t actions = 0;
    int n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const std::int32_t before = session.form.S.Doc.Log().GetCount();
        for (int i = 0; i < perBatch; ++i)
            session.Drag(n++);
        actions += session.form.S.Doc.Log().GetCount() - before;
        state.ResumeTiming();
        session.form.JournalTimerTimer();
    }
    state.counters["per action"] = benchmark::Counter(
        static_cast<double>(actions), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
// The drags between batches are not timed: a fixed number of batches keeps the run short.
BENCHMARK(BM_JournalBatchPerRecordedAction)
    ->Arg(1)
    ->Arg(3)
    ->Arg(10)
    ->Iterations(300)
    ->Unit(benchmark::kMillisecond);

void BM_StartUpWithNoJournalLeft(benchmark::State& state) {
    test::TempDir temp;
    for (auto _ : state) {
        test::FakeHost host;
        qt::QtGraphics graphics;
        host.StateDir = temp.Folder();
        TZindaForm form(host, graphics);
        form.FormCreate({});
        benchmark::DoNotOptimize(form.S.Doc.Log().GetCount());
    }
}
BENCHMARK(BM_StartUpWithNoJournalLeft)->Unit(benchmark::kMillisecond);

void BM_StartUpWithNoJournalKept(benchmark::State& state) {
    for (auto _ : state) {
        test::FakeHost host;
        qt::QtGraphics graphics;
        TZindaForm form(host, graphics);
        form.FormCreate({});
        benchmark::DoNotOptimize(form.S.Doc.Log().GetCount());
    }
}
BENCHMARK(BM_StartUpWithNoJournalKept)->Unit(benchmark::kMillisecond);

} // namespace

#include "offscreen_main.h"
