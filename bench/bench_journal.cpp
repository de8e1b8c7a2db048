// The recovery journal over a drag-heavy session: what one batch costs per recorded
// action, a batch being what a child records in about a second; and a start-up that finds
// no journal left; and finding a large journal left behind, with the memory it takes.

#include "app/zinda_form.h"
#include "qt/qt_graphics.h"
#include "support/fake_host.h"
#include "support/material_files.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <sys/resource.h>

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

// A journal of state.range(0) MB left by a crash: its last batch of drags, again and again.
void BM_FindingALargeLeftoverJournal(benchmark::State& state) {
    std::string journal;
    {
        Session session;
        for (int n = 0; n < 10; ++n)
            session.Drag(n);
        session.form.JournalTimerTimer();
        const auto file = std::filesystem::directory_iterator(session.host.StateDir)->path();
        std::ifstream in(file, std::ios::binary);
        journal.assign(std::istreambuf_iterator<char>(in), {});
    }
    const std::string_view batchEnd = "end Batch\r\n";
    const std::size_t lastStart = journal.rfind(batchEnd, journal.size() - batchEnd.size() - 1);
    const std::string batch = journal.substr(lastStart + batchEnd.size());
    const std::size_t bytes = static_cast<std::size_t>(state.range(0)) << 20;
    test::TempDir temp;
    {
        std::ofstream out(temp.Path("1-1.journal"), std::ios::binary);
        out << journal;
        for (std::size_t written = journal.size(); written < bytes; written += batch.size())
            out << batch;
    }
    for (auto _ : state) {
        const auto left = FindLeftoverJournal(temp.Folder());
        if (!left) state.SkipWithError("no journal found");
        benchmark::DoNotOptimize(left->Body.size());
    }
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    state.counters["peak MB"] = static_cast<double>(usage.ru_maxrss) / 1024;
}
BENCHMARK(BM_FindingALargeLeftoverJournal)->Arg(16)->Arg(128)->Unit(benchmark::kMillisecond);

} // namespace

#include "offscreen_main.h"
