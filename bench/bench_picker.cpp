// Opening the picker of ready materials: the library read and every picture painted by
// the renderer into its button, for as many materials as the program ships (60 or more).

#include "anim/material_library.h"
#include "qt/material_picker.h"

#include <benchmark/benchmark.h>

namespace {

using namespace murva;

void BM_OpenPickerOfTheReadyMaterials(benchmark::State& state) {
    std::size_t materials = 0;
    for (auto _ : state) {
        const std::vector<TLibraryKind> library =
            ReadMaterialLibrary(MURVA_SOURCE_DATA "/materials");
        qt::MaterialPicker picker(nullptr, library);
        benchmark::DoNotOptimize(&picker);
        materials = 0;
        for (const TLibraryKind& kind : library)
            materials += kind.Materials.size();
    }
    state.counters["materials"] = double(materials);
}
BENCHMARK(BM_OpenPickerOfTheReadyMaterials)->Unit(benchmark::kMillisecond);

} // namespace

#include "offscreen_main.h"
