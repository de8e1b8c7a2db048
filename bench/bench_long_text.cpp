// A text of 100 KB, 1 MB and 10 MB in an animation: opening it and saving it again, and
// filming its cut as a GIF. A text is read only as far as a line of the format ever held,
// so the time grows with the file's bytes alone, not with the text painted or written.

#include "app/zinda_form.h"
#include "files/action_writer.h"
#include "qt/qt_graphics.h"
#include "support/fake_host.h"
#include "support/material_files.h"

#include <benchmark/benchmark.h>

namespace {

using namespace murva;

std::string WriteAnimation(const test::TempDir& temp, std::size_t textBytes) {
    std::string start = test::FigureBlock("dtText", {100, 100}, {300, 140}, "clWhite", {}, true);
    start.replace(start.find("clBlack\r\n\r\n") + 9, 0, std::string(textBytes, 'a'));
    std::string end = start;
    end.replace(end.find("100 100\r\n"), 9, "300 300\r\n");
    return test::WriteLog(temp, "text.mrv",
                          test::ActionBlock("Create", 1, start) +
                              test::ActionBlock("Create", 2, end));
}

void BM_OpenAndSaveALongText(benchmark::State& state) {
    test::TempDir temp;
    const std::string path = WriteAnimation(temp, static_cast<std::size_t>(state.range(0)));
    test::FakeHost host;
    qt::QtGraphics graphics;
    TZindaForm form(host, graphics);
    form.FormCreate({});
    for (auto _ : state) {
        // Opened over the same animation: the question whether to replace it says yes.
        host.Answers = {TAnswer::Yes};
        form.OpenFileByName(path);
        if (form.S.Doc.FigList().Count() != 2) state.SkipWithError("not read");
        benchmark::DoNotOptimize(WriteActionFile(form.S.Doc.Log()).size());
    }
}
BENCHMARK(BM_OpenAndSaveALongText)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Arg(10'000'000)
    ->Unit(benchmark::kMillisecond);

void BM_FilmALongText(benchmark::State& state) {
    test::TempDir temp;
    const std::string path = WriteAnimation(temp, static_cast<std::size_t>(state.range(0)));
    test::FakeHost host;
    qt::QtGraphics graphics;
    TZindaForm form(host, graphics);
    form.FormCreate({path});
    for (auto _ : state)
        if (!form.Films.ExportGif(temp.Path("text.gif"), TFilmKind::Cut))
            state.SkipWithError("not filmed");
}
BENCHMARK(BM_FilmALongText)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

} // namespace

#include "offscreen_main.h"
