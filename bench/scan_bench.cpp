// Scanning a 4000 x 3000 photo of a lamp wall (80 x 60 lamps): fitting it to
// a 1600 x 1200 view, then the lattice scan of the shown picture.
//
// Measured on the shared 2-core build machine, Debug tree, load average 7
// (CPU time, 2026-12-07): fitting 413 ms (29 M source pixels/s), fit and
// scan 462 ms, 4,795 lamps found of 4,800 places (the cut-away corner and
// the dead lamp). The 120 x 80 wizard layout with all 14 styles
// (wizard_bench.cpp): 0.9 ms.

#include <benchmark/benchmark.h>

#include "examples/lamp_wall.h"
#include "layout/picture/picture_scaling.h"
#include "layout/scan/lattice_scan.h"

namespace vx {
namespace {

constexpr ViewSize kView{1600, 1200};

const Picture& largeWall() {
    static const Picture picture =
        makeLampWall(LampWallPlan{4000, 3000, 80, 60, 25.0, 25.0, 50.0, 14.0, 7});
    return picture;
}

// Scope and sizes that put one lattice cell on each lamp of the shown picture.
LampLayout scanSettings() {
    LampLayout layout;
    layout.backColor = 0x00201C22;
    layout.colorTolerance = 40;
    layout.scanScope = {10, 10, 1610, 1210};  // 80 x 60 cells of 20 pels
    layout.objectSize = 8000.0f;
    layout.lampSize = 100.0f;
    prepareScan(layout);
    return layout;
}

void BM_FitPicture4000x3000(benchmark::State& state) {
    const Picture& picture = largeWall();
    for (auto _ : state) benchmark::DoNotOptimize(fitPicture(picture, kView));
    state.SetItemsProcessed(state.iterations() * picture.width * picture.height);
}
BENCHMARK(BM_FitPicture4000x3000)->Unit(benchmark::kMillisecond);

// A 50-megapixel camera picture (8660 x 5774) fitted to the same view.
void BM_FitPicture50Megapixels(benchmark::State& state) {
    Picture picture(8660, 5774);
    for (std::size_t i = 0; i < picture.rgb.size(); ++i) {
        picture.rgb[i] = static_cast<std::uint8_t>(i * 7 % 251);
    }
    for (auto _ : state) benchmark::DoNotOptimize(fitPicture(picture, kView));
    state.SetItemsProcessed(state.iterations() * picture.width * picture.height);
}
BENCHMARK(BM_FitPicture50Megapixels)->Unit(benchmark::kMillisecond);

void BM_ScanPicture4000x3000(benchmark::State& state) {
    const Picture& picture = largeWall();
    const ScanSettingsRecord settings = ScanSettingsRecord::of(scanSettings());
    std::size_t lamps = 0;
    for (auto _ : state) {
        const Picture shown = fitPicture(picture, kView);
        lamps = latticeScan(shown, settings).size();
        benchmark::DoNotOptimize(lamps);
    }
    state.counters["lamps"] = static_cast<double>(lamps);
}
BENCHMARK(BM_ScanPicture4000x3000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vx
