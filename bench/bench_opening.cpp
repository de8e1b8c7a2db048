// Opening files through the window's own road: a second material into a document of
// pairs, one very large material, and an animation that is a long chain of branches.

#include "app/zinda_form.h"
#include "qt/qt_graphics.h"
#include "support/fake_host.h"
#include "support/material_files.h"

#include <benchmark/benchmark.h>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace murva;

std::string Action(const std::string& kind, int id, const std::string& body) {
    return "begin ActionData\r\n2026 12 08 10 00 00 00\r\n0\r\n" + kind + "\r\n" +
           std::to_string(id) + "\r\n" + body + "end ActionData\r\n";
}

// A rectangle of an animation, in cut 1 without a path.
const std::string Rectangle = "begin FigData\r\ndtRectangle\r\n0\r\n2\r\nclBlack\r\nclRed\r\n"
                              "12\r\nclBlack\r\n\r\n10 10\r\n40 30\r\n1\r\n0\r\nend FigData\r\n";

// The left edges of a material's rectangles, spread over the field.
std::vector<int> Lefts(int figures) {
    std::vector<int> xs;
    for (int n = 1; n <= figures; ++n)
        xs.push_back(n * 7 % 600);
    return xs;
}

struct Opening {
    test::FakeHost host;
    qt::QtGraphics graphics;
    TZindaForm form{host, graphics};
    test::TempDir temp;

    Opening() { form.FormCreate({}); }
    std::string Material(const std::string& name, int figures) {
        return test::WriteMaterial(temp, name, Lefts(figures));
    }
    std::string Write(const std::string& name, const std::string& text) {
        std::ofstream(temp.Path(name), std::ios::binary) << text;
        return temp.Path(name);
    }
};

// Each figure of the second material is moved back past the first material's figures,
// one recorded step at a time.
void BM_SecondMaterialOf400IntoADocumentOf400Pairs(benchmark::State& state) {
    Opening files;
    const std::string first = files.Material("first.znd", 400);
    const std::string second = files.Material("second.znd", 400);
    for (auto _ : state) {
        state.PauseTiming();
        auto opening = std::make_unique<Opening>();
        opening->form.OpenFileByName(first);
        state.ResumeTiming();
        opening->form.OpenFileByName(second);
        state.PauseTiming();
        opening.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SecondMaterialOf400IntoADocumentOf400Pairs)->Unit(benchmark::kMillisecond);

void BM_OneMaterialOf128000Figures(benchmark::State& state) {
    Opening files;
    const std::string path = files.Material("large.znd", 128000);
    for (auto _ : state) {
        state.PauseTiming();
        auto opening = std::make_unique<Opening>();
        state.ResumeTiming();
        opening->form.OpenFileByName(path);
        state.PauseTiming();
        opening.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OneMaterialOf128000Figures)->Unit(benchmark::kMillisecond)->Iterations(2);

// Every Branch goes back to the step just before it, as a long chain of undos leaves it.
void BM_AnAnimationOf32000ChainedBranches(benchmark::State& state) {
    Opening opening;
    std::string text = "ZINDA FILE FORMAT 1.4\r\n" + Action("Create", 1, Rectangle);
    for (int position = 2; position <= 32001; ++position)
        text += Action("Branch", position - 1, "");
    const std::string path = opening.Write("branches.mrv", text);
    for (auto _ : state) {
        opening.host.Answers = {TAnswer::Yes}; // to open over the last one
        opening.form.OpenFileByName(path);
    }
}
BENCHMARK(BM_AnAnimationOf32000ChainedBranches)->Unit(benchmark::kMillisecond)->Iterations(3);

// M Creates followed by as many Branches, each back to step M: every Branch but the last
// is gone over, so the file opens in linear time.
void BM_AnAnimationOf16000BranchesBackToStep16000(benchmark::State& state) {
    Opening opening;
    constexpr int Creates = 16000;
    std::string text = "ZINDA FILE FORMAT 1.4\r\n";
    for (int id = 1; id <= Creates; ++id)
        text += Action("Create", id, Rectangle);
    for (int n = 0; n < Creates; ++n)
        text += Action("Branch", Creates, "");
    const std::string path = opening.Write("back.mrv", text);
    for (auto _ : state) {
        opening.host.Answers = {TAnswer::Yes}; // to open over the last one
        opening.form.OpenFileByName(path);
    }
}
BENCHMARK(BM_AnAnimationOf16000BranchesBackToStep16000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

} // namespace

#include "offscreen_main.h"
