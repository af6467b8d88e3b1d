// The new-layout wizard on a 120 x 80 matrix (9,600 lamps): making, numbering
// and wiring the lamps, the 59 presets, and all 14 styles in program groups.

#include <benchmark/benchmark.h>

#include "app/wizard/wizard_lamps.h"
#include "app/wizard/wizard_programs.h"
#include "app/wizard/wizard_styles.h"
#include "layout/lamp_layout.h"
#include "layout/layout_bounds.h"

namespace vx {
namespace {

void BM_WizardLayout120x80(benchmark::State& state) {
    const WizardShape shape{120, 80, true, 3};
    for (auto _ : state) {
        LampLayout layout;
        layout.lamps = makeWizardLamps(shape, kWizardZoom, layout.lampPitch);
        wireWizardLamps(layout.lamps, shape.port);
        const CellRect e = allLampBounds(layout.lamps);
        ChosenStyles chosen = noStylesChosen();
        openStylesPage(layout.effects, chosen, CellRect{e.left, e.top, e.right, e.bottom},
                       layout.lamps.size());
        for (std::size_t s = 0; s < kWizardStyleCount; ++s) {
            benchmark::DoNotOptimize(insertStyle(layout.effects, chosen, s, s));
        }
        benchmark::DoNotOptimize(layout.lamps.data());
    }
    state.SetItemsProcessed(state.iterations() * 120 * 80);
}
BENCHMARK(BM_WizardLayout120x80)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vx
