// Reading a 10 MB animation file into the log, and writing the log back.

#include "files/action_reader.h"
#include "files/action_writer.h"

#include <benchmark/benchmark.h>
#include <memory>
#include <sstream>

namespace murva {
namespace {

constexpr std::size_t FileSize = 10 * 1024 * 1024;

TFigData Figure(TDrawingTool tool, int n) {
    TFigData f;
    f.DrawingTool = tool;
    f.PenWidth = 1 + n % 5;
    f.PenColor = n % 3 == 0 ? 0x0000FFu : 0x00123456u + n;
    f.BrushColor = n % 2 == 0 ? 0x8000000Fu : 0xFFFFFFu;
    f.TextSize = 12;
    f.Text = tool == TDrawingTool::Text ? "もじ" + std::to_string(n) : "";
    f.Start = {n % 600, n % 440};
    f.End = {n % 600 + 40, n % 440 + 30};
    f.CutNumber = 1 + n % 20;
    if (IsPointFigure(tool)) {
        f.PointData = std::make_shared<TPointData>();
        for (int i = 0; i < 12 + n % 30; ++i)
            f.PointData->AddTracked(i * 7 % 640, i * 13 % 480);
    }
    if (tool == TDrawingTool::Stamp) {
        f.StampData = std::make_shared<TFigList>();
        f.StampData->Add(Figure(TDrawingTool::Polyline, n + 1));
        f.StampData->Add(Figure(TDrawingTool::Ellipse, n + 2));
        TFigData inner;
        inner.DrawingTool = TDrawingTool::Stamp;
        inner.StampData = std::make_shared<TFigList>();
        inner.StampData->Add(Figure(TDrawingTool::Rectangle, n + 3));
        f.StampData->Add(inner);
    }
    return f;
}

// A long session: figures of every kind are made, duplicated, moved along paths,
// recoloured, resized, reordered, deleted and brought back; backgrounds come and go.
std::string MakeFile() {
    THistoryList log;
    constexpr TDrawingTool tools[] = {TDrawingTool::Text,      TDrawingTool::Line,
                                      TDrawingTool::FreeLine,  TDrawingTool::Ellipse,
                                      TDrawingTool::Rectangle, TDrawingTool::Polyline,
                                      TDrawingTool::Polygon,   TDrawingTool::Stamp};
    std::int32_t lastID = 0;
    for (int n = 0;; ++n) {
        TActionItem* item = nullptr;
        const int pick = n % 12;
        if (pick < 3 || lastID < 8) {
            item = log.AppendWithFigure(Figure(tools[n % 8], n));
            item->Data.TargetType = pick == 1 ? TActionKind::Duplicate : TActionKind::Create;
            item->Data.TargetID = ++lastID;
        } else if (pick == 3 || pick == 4) {
            TFigData moved = Figure(tools[n % 8], n);
            moved.Free = 1;
            moved.FreeMoveData = std::make_shared<TPointData>();
            for (int i = 0; i < 20; ++i)
                moved.FreeMoveData->AddPlain(i * 3, i * 2);
            moved.FreeMoveCount = 20;
            item = log.AppendWithFigure(moved);
            item->Data.TargetType = TActionKind::Move;
        } else if (pick < 9) {
            item = log.AppendWithFigure(Figure(tools[n % 8], n));
            item->Data.TargetType = TActionKind::Change;
            item->Data.Parameter = static_cast<TChangeParameter>(n % 6);
        } else if (pick == 9) {
            item = log.AppendEmpty();
            item->Data.TargetType = n % 24 == 9 ? TActionKind::Front : TActionKind::Back;
        } else if (pick == 10) {
            item = log.AppendEmpty();
            item->Data.TargetType = n % 36 == 10 ? TActionKind::ReadBG : TActionKind::ClearBG;
            item->Data.FileName = "C:\\えほん\\はいけい.jpg";
        } else {
            item = log.AppendWithFigure(Figure(tools[n % 8], n));
            item->Data.TargetType = TActionKind::Restore;
            item->Data.TargetID = ++lastID;
        }
        if (item->Data.TargetID == 0 && HasTargetID(item->Data.TargetType))
            item->Data.TargetID = 1 + (n * 7919) % lastID;
        item->Data.ActionTime = {2011, 14, 6, 5, 10, 27, 33};
        if (n % 1000 == 999 && WriteActionFile(log).size() >= FileSize) break;
    }
    return WriteActionFile(log);
}

const std::string& File() {
    static const std::string file = MakeFile();
    return file;
}

struct TTarget {
    THistoryList Log;
    TReaderState Reader;
    TReadResult Read(std::istream& file) {
        TReadContext context{Log, Reader, 0, TLoadKind::Animation, 0};
        return ReadActionFile(file, context);
    }
};

void BM_ReadAnimationFile(benchmark::State& state) {
    const std::string& bytes = File();
    for (auto _ : state) {
        state.PauseTiming();
        auto target = std::make_unique<TTarget>();
        std::istringstream file(bytes);
        state.ResumeTiming();
        const TReadResult result = target->Read(file);
        if (result.Result != 0) state.SkipWithError("the file did not read");
        benchmark::DoNotOptimize(target->Log.GetTail());
        state.PauseTiming();
        target.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
    TTarget counted;
    std::istringstream again(bytes);
    counted.Read(again);
    state.counters["actions"] = counted.Log.GetCount();
    state.counters["MB"] = static_cast<double>(bytes.size()) / (1024 * 1024);
}

void BM_WriteAnimationFile(benchmark::State& state) {
    TTarget target;
    std::istringstream file(File());
    if (target.Read(file).Result != 0) state.SkipWithError("the file did not read");
    std::size_t size = 0;
    for (auto _ : state) {
        const std::string written = WriteActionFile(target.Log);
        size = written.size();
        benchmark::DoNotOptimize(written.data());
    }
    if (size != File().size()) state.SkipWithError("the file was not written back whole");
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
}

BENCHMARK(BM_ReadAnimationFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteAnimationFile)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace murva

BENCHMARK_MAIN();
