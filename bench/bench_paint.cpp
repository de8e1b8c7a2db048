// One full repaint of the drawing field and its ten thumbnails on Qt bitmaps, with 500
// figures in start/end pairs spread over five cuts and five parts-bin slots; and one
// mouse move of a drag over them, in the form and in the real window offscreen.

#include "app/zinda_form.h"
#include "qt/main_window.h"
#include "qt/qt_graphics.h"
#include "support/document_access.h"
#include "support/fake_host.h"

#include <QApplication>
#include <QMouseEvent>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <random>

namespace {

using namespace murva;

constexpr int FigureCount = 500;

TFigData RandomFigure(std::mt19937& rng, int index) {
    auto between = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    static constexpr TDrawingTool Kinds[] = {TDrawingTool::Rectangle, TDrawingTool::Ellipse,
                                             TDrawingTool::Line,      TDrawingTool::FreeLine,
                                             TDrawingTool::Polyline,  TDrawingTool::Polygon,
                                             TDrawingTool::Rectangle, TDrawingTool::Ellipse,
                                             TDrawingTool::FreeLine,  TDrawingTool::Text};
    TFigData f;
    f.DrawingTool = index % 25 == 7 ? TDrawingTool::Stamp : Kinds[between(0, 9)];
    f.PenWidth = between(1, 6);
    f.PenColor = RGBColor(between(0, 255), between(0, 255), between(0, 255));
    f.BrushColor = between(0, 1) ? NoFillColor : RGBColor(between(0, 255), 200, 100);
    const int w = between(20, 150), h = between(20, 120);
    f.Start = {between(0, 640 - w - 40), between(0, 480 - h - 30)};
    f.End = {f.Start.x + w, f.Start.y + h};
    if (f.DrawingTool == TDrawingTool::Text) {
        f.Text = "うごくえ";
        f.TextSize = between(12, 24);
        f.TextColor = f.PenColor;
    }
    if (f.DrawingTool == TDrawingTool::FreeLine) {
        // A stroke of the mouse: many points a few pixels apart.
        f.PointData = std::make_shared<TPointData>();
        TPoint p{between(f.Start.x, f.End.x), between(f.Start.y, f.End.y)};
        const int points = between(40, 200);
        for (int i = 0; i < points; ++i) {
            p.x = std::clamp(p.x + between(-5, 5), f.Start.x, f.End.x);
            p.y = std::clamp(p.y + between(-5, 5), f.Start.y, f.End.y);
            f.PointData->AddTracked(p.x, p.y);
        }
    } else if (IsPointFigure(f.DrawingTool)) {
        // Clicked corners far apart.
        f.PointData = std::make_shared<TPointData>();
        for (int i = between(4, 8); i > 0; --i)
            f.PointData->AddTracked(between(f.Start.x, f.End.x), between(f.Start.y, f.End.y));
    }
    if (f.DrawingTool == TDrawingTool::Stamp) {
        f.StampData = std::make_shared<TFigList>();
        for (int i = 0; i < 4; ++i) {
            TFigData child;
            child.DrawingTool = i % 2 ? TDrawingTool::Ellipse : TDrawingTool::Rectangle;
            child.PenWidth = 2;
            child.BrushColor = RGBColor(255, 200, 0);
            child.Start = {between(0, w / 2), between(0, h / 2)};
            child.End = {child.Start.x + w / 2, child.Start.y + h / 2};
            f.StampData->Add(child);
        }
    }
    return f;
}

struct PaintScene {
    test::FakeHost host;
    qt::QtGraphics graphics;
    TZindaForm form{host, graphics};

    // cuts: the cut numbers the pairs are dealt to in turn.
    explicit PaintScene(const std::vector<std::int32_t>& cuts) {
        form.FormCreate({});
        std::mt19937 rng(20110614);
        std::vector<TFigData> starts;
        for (int i = 0; i < FigureCount / 2; ++i) {
            TFigData f = RandomFigure(rng, i);
            f.CutNumber = cuts[static_cast<std::size_t>(i) % cuts.size()];
            starts.push_back(f);
        }
        TFigList& list = test::Figures(form.S.Doc).FigList;
        for (const TFigData& f : starts)
            list.Add(f);
        for (const TFigData& f : starts)
            list.Add(f)->Data.Offset(30, 20);
        test::Figures(form.S.Doc).FigureCount = FigureCount;
        test::Figures(form.S.Doc).PairCount = FigureCount / 2;
        form.S.Doc.Select(list.At(FigureCount / 2));
        form.S.Shell.Mode = TMode::Edit;
        form.S.Cuts.CurrentCut = 1;
    }
};

// Every thumbnail has figures: cuts 1 to 5 in the strip, slots 100 to 104 in the bin.
void BM_PaintBoxPaint_AllThumbnailsFilled(benchmark::State& state) {
    PaintScene scene({1, 2, 3, 4, 5, 100, 101, 102, 103, 104});
    for (auto _ : state)
        scene.form.PaintBoxPaint();
}
BENCHMARK(BM_PaintBoxPaint_AllThumbnailsFilled)->Unit(benchmark::kMillisecond);

// Cuts 1 to 10: half of them in the strip, an empty parts bin.
void BM_PaintBoxPaint_TenCuts(benchmark::State& state) {
    PaintScene scene({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    for (auto _ : state)
        scene.form.PaintBoxPaint();
}
BENCHMARK(BM_PaintBoxPaint_TenCuts)->Unit(benchmark::kMillisecond);

// Presses on the selected end copy with the free motion tool, which records every move.
TPoint PressOnSelected(TZindaForm& form) {
    const TFigData& f = form.S.Doc.SelectedFig()->Data;
    const TPoint at{(f.Start.x + f.End.x) / 2, (f.Start.y + f.End.y) / 2};
    form.DrawingBtnClick(TMotionButton::MoveFreeBtn);
    form.PaintBoxMouseDown(at.x, at.y);
    return at;
}

// One move of a drag: the figure moves, the field and the ten thumbnails are repainted
// and the window is asked to show them; at 1x, and at 2x for a sharp screen, where the
// field is painted at twice its pixels as well.
void BM_DragMove(benchmark::State& state) {
    PaintScene scene({1, 2, 3, 4, 5, 100, 101, 102, 103, 104});
    scene.form.ZoomChange(static_cast<double>(state.range(0)));
    const TPoint at = PressOnSelected(scene.form);
    int step = 0;
    for (auto _ : state)
        scene.form.PaintBoxMouseMove(at.x + (++step % 2), at.y);
}
BENCHMARK(BM_DragMove)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// The same move in the real window offscreen: the mouse event, the handler, and the
// window painting what changed.
void BM_DragMoveInTheWindow(benchmark::State& state) {
    PaintScene scene({1, 2, 3, 4, 5, 100, 101, 102, 103, 104});
    qt::MainWindow window(scene.form);
    window.show();
    QApplication::processEvents();
    auto* field = window.findChild<QWidget*>(QStringLiteral("PaintBox"));
    const TPoint at = PressOnSelected(scene.form);
    int step = 0;
    for (auto _ : state) {
        const QPointF to(at.x + (++step % 2), at.y);
        QMouseEvent move(QEvent::MouseMove, to, field->mapToGlobal(to), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(field, &move);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_DragMoveInTheWindow)->Unit(benchmark::kMillisecond);

} // namespace

#include "offscreen_main.h"
