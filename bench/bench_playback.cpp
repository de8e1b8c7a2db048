// Watching: a paced run of 800 steps in the real window offscreen with 10, 200 and 1000
// pairs; the step computation alone; and a scrub to step 1750 with 200 pairs.

#include "anim/motion_steps.h"
#include "app/zinda_form.h"
#include "qt/main_window.h"
#include "qt/qt_graphics.h"
#include "qt/qt_host.h"
#include "support/document_access.h"
#include "support/fake_host.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <fstream>
#include <random>
#include <vector>

namespace {

using namespace murva;

// A start copy and an end copy that differs in place, size and colours; every fifth is
// a polyline, every seventh has a path.
std::pair<TFigData, TFigData> RandomPair(std::mt19937& rng, int index) {
    auto between = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    TFigData s;
    s.DrawingTool = index % 3 ? TDrawingTool::Rectangle : TDrawingTool::Ellipse;
    s.PenWidth = 2;
    s.PenColor = RGBColor(between(0, 255), between(0, 255), between(0, 255));
    s.BrushColor = RGBColor(between(0, 255), between(0, 255), between(0, 255));
    s.Start = {between(0, 560), between(0, 400)};
    s.End = {s.Start.x + between(10, 80), s.Start.y + between(10, 80)};
    s.CutNumber = 1;
    if (index % 5 == 0) {
        s.DrawingTool = TDrawingTool::Polyline;
        s.PointData = std::make_shared<TPointData>();
        for (int i = 0; i < 6; ++i)
            s.PointData->AddTracked(between(s.Start.x, s.End.x), between(s.Start.y, s.End.y));
        s.BoundsToStartEnd();
    }
    TFigData e = s;
    if (s.PointData) e.PointData = CopyTrackedPoints(*s.PointData);
    e.Offset(between(-200, 200), between(-150, 150));
    e.End.x += between(-5, 30);
    e.PenColor = RGBColor(between(0, 255), between(0, 255), between(0, 255));
    if (index % 7 == 0) {
        e.Free = 1;
        e.FreeMoveData = std::make_shared<TPointData>();
        for (int i = 0; i < 120; ++i)
            e.FreeMoveData->AddTracked(s.Start.x + i, s.Start.y + (i * i) % 50);
        e.FreeMoveCount = 120;
    }
    return {s, e};
}

void AddPairs(TZindaForm& form, int pairs) {
    std::mt19937 rng(20110614);
    std::vector<std::pair<TFigData, TFigData>> made;
    for (int i = 0; i < pairs; ++i)
        made.push_back(RandomPair(rng, i));
    TFigList& list = test::Figures(form.S.Doc).FigList;
    for (const auto& pair : made)
        list.Add(pair.first);
    for (const auto& pair : made)
        list.Add(pair.second);
    test::Figures(form.S.Doc).PairCount = pairs;
    test::Figures(form.S.Doc).FigureCount = 2 * pairs;
}

// A form in the making state holding the pairs.
struct TPairsScene {
    test::FakeHost host;
    qt::QtGraphics graphics;
    TZindaForm form{host, graphics};
    explicit TPairsScene(int pairs) {
        form.FormCreate({});
        AddPairs(form, pairs);
    }
};

// A run as the user starts it with the play button, in the shown window, kept to the
// clock of "ずっとおなじはやさ": 800 steps should take two seconds; at the zoom of a sharp
// screen (the second argument), its frames painted at twice the pixels.
void BM_PacedRunInTheWindow(benchmark::State& state) {
    qt::QtGraphics graphics;
    qt::QtHost host;
    TZindaForm form(host, graphics);
    qt::MainWindow window(form);
    window.AttachTo(host);
    window.Dispatch([&form] { form.FormCreate({}); });
    AddPairs(form, static_cast<int>(state.range(0)));
    window.show();
    window.Zoom(static_cast<double>(state.range(1)));
    window.Dispatch([&form] { form.SelectMoveBtnClick(); });
    for (auto _ : state)
        window.Dispatch([&form] { form.PlayButtonClick(); });
}
BENCHMARK(BM_PacedRunInTheWindow)
    ->Args({10, 1})
    ->Args({200, 1})
    ->Args({1000, 1})
    ->Args({200, 2})
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// One step of 200 pairs, without painting.
// A run of 800 steps of a 2000-point polygon whose end copy lies the given distance away:
// each step moves the points once, however far it goes.
void BM_RunOfA2000PointPolygon(benchmark::State& state) {
    TFigData start;
    start.DrawingTool = TDrawingTool::Polygon;
    start.PointData = std::make_shared<TPointData>();
    for (int i = 0; i < TPointData::MaxPoints; ++i)
        start.PointData->AddTracked(i % 100, (i * 7) % 100);
    start.BoundsToStartEnd();
    TFigData end = start;
    end.Offset(static_cast<std::int32_t>(state.range(0)),
               static_cast<std::int32_t>(state.range(0)));
    for (auto _ : state) {
        TMotion motion = SetUpMotion(start, end);
        for (int step = 0; step < 800; ++step)
            StepMotion(motion, 800, TStepKind::Run);
        benchmark::DoNotOptimize(motion.Figure.Start);
    }
}
BENCHMARK(BM_RunOfA2000PointPolygon)->Arg(100)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_StepOf200Pairs(benchmark::State& state) {
    std::mt19937 rng(20110614);
    std::vector<TMotion> motions;
    for (int i = 0; i < 200; ++i) {
        auto [s, e] = RandomPair(rng, i);
        motions.push_back(SetUpMotion(s, e));
    }
    for (auto _ : state)
        for (TMotion& motion : motions)
            StepMotion(motion, 800, TStepKind::Run);
}
BENCHMARK(BM_StepOf200Pairs)->Unit(benchmark::kMicrosecond);

// The play bar dragged to step 1750 at "おそい": every step recomputed from the start,
// then the field painted.
void BM_ScrubTo1750With200Pairs(benchmark::State& state) {
    TPairsScene scene(200);
    TZindaForm& form = scene.form;
    form.SelectMoveBtnClick();
    form.SpeedBtnClick(TSpeedButton::SlowBtn);
    int step = 0;
    for (auto _ : state)
        form.PlayBar.SetPosition(1750 - (++step % 2));
}
BENCHMARK(BM_ScrubTo1750With200Pairs)->Unit(benchmark::kMillisecond);

// "アニメをGIFにする" of a run of 800 steps with 20 pairs over the welcome background: the
// time, and the size of the file as a counter.
void BM_GifExportOf20Pairs(benchmark::State& state) {
    test::FakeHost host;
    host.Answers = {TAnswer::No}; // keep the background
    qt::QtGraphics graphics;
    TZindaForm form(host, graphics);
    form.FormCreate({MURVA_EXAMPLES "/welcome.mrv"});
    form.ResetDocument();
    form.OpenFileByName(MURVA_EXAMPLES "/welcome-bg.jpg");
    AddPairs(form, 20);
    const std::string path = "/tmp/murva_bench_export.gif";
    for (auto _ : state)
        form.Films.ExportGif(path, TFilmKind::Cut);
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    state.counters["bytes"] = double(file.tellg());
    std::remove(path.c_str());
}
BENCHMARK(BM_GifExportOf20Pairs)->Unit(benchmark::kMillisecond);

// "--making" of a log of 100 000 commands (moves of 20 pairs' end copies, one command each)
// filmed into a GIF: only the pictures taken are painted.
void BM_MakingFilmedOfCommands(benchmark::State& state) {
    TPairsScene scene(20);
    TZindaForm& form = scene.form;
    TDocument& doc = form.S.Doc;
    // Copies of the figures, which the log creates and so can name.
    for (int i = 0; i < 40; ++i) {
        form.BeginCommand();
        doc.RecordDuplicate(doc.FigList().At(i)->Data);
    }
    for (int k = 0; doc.Log().GetCount() < state.range(0); ++k) {
        form.BeginCommand();
        TFigItem* end = doc.FigList().At(40 + k % 40);
        TFigData moved = end->Data;
        moved.Offset(k % 2 ? 3 : -3, 0);
        doc.RecordMove(end, moved);
    }
    const std::string path = "/tmp/murva_bench_making.gif";
    for (auto _ : state)
        form.Films.ExportGif(path, TFilmKind::Making);
    std::remove(path.c_str());
}
BENCHMARK(BM_MakingFilmedOfCommands)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

} // namespace

#include "offscreen_main.h"
