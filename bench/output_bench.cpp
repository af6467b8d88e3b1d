// Speed of the controller files for tables at their limits: 511 lamp lists of
// 200 lamps, 61 groups, 101 colour lists and 32 programs of 60 modes, from
// compiled effects to CData.h.

#include <benchmark/benchmark.h>

#include "output/cdata/controller_files.h"

namespace vx {
namespace {

struct FullTables {
    LampLayout layout;
    CompiledEffects compiled;

    FullTables() {
        for (std::int32_t i = 0; i < 2000; ++i) {
            Lamp lamp = Lamp::made(i % 100, i / 100, i, 8);
            lamp.port = 1 + i % 12;
            lamp.portOrder = 1 + i / 12;
            layout.lamps.push_back(lamp);
        }
        for (std::uint32_t c = 0; c < 511; ++c) {
            UintList lamps;
            for (std::uint32_t k = 0; k < 200; ++k) lamps.push_back((c * 7 + k) % 2000);
            compiled.clusters.push_back(std::move(lamps));
        }
        for (std::uint32_t g = 0; g < 61; ++g) {
            UintList members;
            for (std::uint32_t k = 0; k < 40; ++k) members.push_back((g * 5 + k) % 511);
            compiled.clusterGroups.push_back(std::move(members));
        }
        for (std::uint32_t c = 0; c < 101; ++c) {
            compiled.colorGroup.push_back({c, 255 - c, 7, 0, 0, c});
        }
        for (std::int32_t m = 0; m < 11; ++m) {
            Mode mode = createMode(m == 0 ? "CM_BRIGHTTODARK" : "CM_LEFTTORIGHT_GC");
            mode.playKind = m;
            mode.colors = {255, 0, 0, 0, 0, 255};
            mode.stepDelay = 5;
            mode.stepCount = 10;
            mode.duration = 30;
            mode.clusterIndex = m * 40;
            mode.clusterGroupIndex = m * 5;
            mode.colorIndex = m * 9;
            compiled.modes.push_back(mode);
        }
        for (auto& group : compiled.programGroups) {
            for (std::size_t i = 0; i < 60; ++i) group.push_back(i % compiled.modes.size());
        }
    }
};

void BM_ControllerFiles(benchmark::State& state) {
    const FullTables tables;
    std::size_t bytes = 0;
    for (auto _ : state) {
        auto files = buildControllerFiles(tables.layout, tables.compiled);
        bytes = 0;
        for (const auto& file : files->files) bytes += file.text.size();
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_ControllerFiles)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vx
