#pragma once
// The main of a benchmark that paints with Qt's pictures or shows the window: Qt runs
// offscreen, no display, and the window keeps its journal in a folder of its own, so
// that no work a crash left asks its question.

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QTemporaryDir state;
    qputenv("XDG_STATE_HOME", state.path().toUtf8());
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
