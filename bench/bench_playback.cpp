// Watching: a paced run of 800 steps in the real window offscreen with 10, 200 and 1000
// pairs; the step computation alone; a scrub to step 1750 with 200 pairs; and the films.

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

// The pairs, spread over the cuts in turn.
void AddPairs(TZindaForm& form, int pairs, int cuts = 1) {
    std::mt19937 rng(20110614);
    std::vector<std::pair<TFigData, TFigData>> made;
    for (int i = 0; i < pairs; ++i) {
        made.push_back(RandomPair(rng, i));
        made.back().first.CutNumber = made.back().second.CutNumber = 1 + i % cuts;
    }
    form.S.Cuts.CutCount = cuts;
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

// Pairs over the welcome background, in cuts.
struct TFilmScene {
    test::FakeHost host;
    qt::QtGraphics graphics;
    TZindaForm form{host, graphics};
    TFilmScene(int pairs, int cuts) {
        form.FormCreate({MURVA_EXAMPLES "/welcome.mrv"});
        form.ResetDocument();
        form.OpenFileByName(MURVA_EXAMPLES "/welcome-bg.jpg");
        AddPairs(form, pairs, cuts);
    }
};

// The size of the file as a counter; the file goes.
void CountBytes(benchmark::State& state, const std::string& path) {
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    state.counters["bytes"] = double(file.tellg());
    std::remove(path.c_str());
}

// "アニメをGIFにする" of 20 pairs in each of 1 or 5 cuts, over the welcome background.
void BM_GifOfCutsOf20Pairs(benchmark::State& state) {
    const int cuts = int(state.range(0));
    TFilmScene scene(20 * cuts, cuts);
    const std::string path = "/tmp/murva_bench_film.gif";
    for (auto _ : state)
        scene.form.Films.ExportGif(path, cuts == 1 ? TFilmKind::Cut : TFilmKind::AllCuts);
    CountBytes(state, path);
}
BENCHMARK(BM_GifOfCutsOf20Pairs)->ArgName("cuts")->Arg(1)->Arg(5)->Unit(benchmark::kMillisecond);

// The peak of the resident memory since the last reset, in MB; reset.
double PeakMegabytes() {
    std::ifstream status("/proc/self/status");
    double peak = 0;
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0) peak = std::stod(line.substr(6)) / 1024;
    std::ofstream("/proc/self/clear_refs") << "5";
    return peak;
}

// "アニメを どうがにする" of 20 pairs in each of 5 cuts (10 s and the held second: 330
// pictures) at 640 x 480 and 1280 x 960, as MP4 and WebM; 25 cuts, five times as long,
// to show that memory does not grow with the length.
void BM_VideoOfCutsOf20Pairs(benchmark::State& state) {
    const int cuts = int(state.range(2));
    TFilmScene scene(20 * cuts, cuts);
    const TVideoSize size{int(state.range(0)), int(state.range(0)) * 3 / 4};
    const std::string path =
        state.range(1) ? "/tmp/murva_bench_film.webm" : "/tmp/murva_bench_film.mp4";
    PeakMegabytes();
    for (auto _ : state)
        if (!scene.form.Films.ExportVideo(path, TFilmKind::AllCuts, size))
            state.SkipWithError("not filmed");
    state.counters["peak_MB"] = PeakMegabytes();
    CountBytes(state, path);
}
BENCHMARK(BM_VideoOfCutsOf20Pairs)
    ->ArgNames({"width", "webm", "cuts"})
    ->Args({640, 0, 5})
    ->Args({1280, 0, 5})
    ->Args({640, 1, 5})
    ->Args({1280, 1, 5})
    ->Args({640, 0, 25})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

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
