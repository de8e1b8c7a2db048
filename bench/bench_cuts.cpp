// The cut commands and a use of the parts bin on a document of 200 pairs whose log
// already holds 100 000 actions.

#include "app/zinda_form.h"
#include "qt/qt_graphics.h"
#include "support/document_access.h"
#include "support/fake_host.h"
#include "support/material_files.h"

#include <benchmark/benchmark.h>
#include <memory>

namespace {

using namespace murva;

struct Document {
    test::FakeHost host;
    qt::QtGraphics graphics;
    TZindaForm form{host, graphics};
    test::TempDir temp;

    // 200 pairs in cut 1, a material of 200 more in slot 1, and a long history of moves.
    Document() {
        form.FormCreate({});
        std::vector<int> xs;
        for (int i = 0; i < 200; ++i)
            xs.push_back(i * 3 % 600);
        form.OpenFileByName(test::WriteMaterial(temp, "a.znd", xs));
        form.PartsUseBtnClick(1);
        form.OpenFileByName(test::WriteMaterial(temp, "b.znd", xs));
        TFigList& list = test::Figures(form.S.Doc).FigList;
        TFigItem* item = list.GetFirst();
        for (std::int32_t n = form.S.Doc.Log().GetCount(); n < 100000; ++n) {
            item = item && item->Next ? item->Next : list.GetFirst();
            form.S.Doc.Select(item);
            form.S.Doc.RecordMove(item);
        }
    }
};

template <class Command> void RunOnFreshDocuments(benchmark::State& state, Command command) {
    for (auto _ : state) {
        state.PauseTiming();
        auto document = std::make_unique<Document>();
        state.ResumeTiming();
        command(document->form);
        state.PauseTiming();
        document.reset();
        state.ResumeTiming();
    }
}

void BM_DeleteACut(benchmark::State& state) {
    RunOnFreshDocuments(state, [](TZindaForm& form) { form.CutDeleteClick(); });
}
BENCHMARK(BM_DeleteACut)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_CarryACutOver(benchmark::State& state) {
    RunOnFreshDocuments(state, [](TZindaForm& form) { form.CutCarryOverClick(); });
}
BENCHMARK(BM_CarryACutOver)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_UseASlot(benchmark::State& state) {
    RunOnFreshDocuments(state, [](TZindaForm& form) { form.PartsUseBtnClick(1); });
}
BENCHMARK(BM_UseASlot)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

#include "offscreen_main.h"
