// Compilation of 200 modes of mixed kinds, each over the full area, on a
// 100 x 100 block of lamps: word expansion, CompileModes and the program
// groups, as "Creat Data" runs them.

#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <string_view>

#include "engine/compile/compile_effects.h"

namespace {

constexpr std::int32_t kSide = 100;
constexpr std::int32_t kOrigin = 10;
constexpr std::size_t kModes = 200;

constexpr std::array<std::string_view, 20> kKinds = {
    "CM_LEFTTORIGHT_CC",    "CM_UPTODOWN_CF",    "CM_LEFTDOWN_CC",
    "CM_LEFTUP_CF",         "CM_SIDEFRAME_CC",   "CM_KERNELBD",
    "CM_BRIGHTTODARK",      "CM_LEFTTORIGHT_GC", "CM_DOWNTOUP_GF",
    "CM_LEFTUP_GC",         "CM_RIGHTUP_GOBC",   "CM_EXPANDCIRCULAR_GC",
    "CM_SHRINKCIRCULAR_GF", "CM_CIRCULAR_AREA",  "CM_RIGHTTOLEFT_SCROLL",
    "CM_ASIDEFRAME_CF",     "CM_RIGHTDOWN_GF",   "CM_UPTODOWN_WORD",
    "CM_REGROUP",           "CM_DOWNTOUP_CC"};

vx::LampLayout makeLayout() {
    vx::LampLayout layout;
    for (std::int32_t i = 0; i < kSide; ++i) {
        for (std::int32_t j = 0; j < kSide; ++j) {
            layout.lamps.push_back(vx::Lamp::made(kOrigin + i, kOrigin + j, i * kSide + j, 10));
        }
    }
    vx::UintList text;
    for (std::uint32_t n = 0; n < 10'000; n += 7) text.push_back(n);
    layout.effects.clusters.push_back(text);
    for (std::size_t i = 0; i < kModes; ++i) {
        vx::Mode m = vx::createMode(std::string(kKinds[i % kKinds.size()]));
        const auto v = static_cast<std::int32_t>(i / kKinds.size());
        m.area = {kOrigin, kOrigin, kOrigin + kSide - 1, kOrigin + kSide - 1};
        m.colors = {255, 0, 0, 0, 255, 0, 0, 0, static_cast<std::uint32_t>(v)};
        m.stepDelay = 10;
        m.stepCount = 50;
        m.duration = 50;
        m.startX = kOrigin + 10 * v;
        m.startY = kOrigin + 5 * v;
        m.bandWidth =
            m.kind == "CM_LEFTDOWN_CC" || m.kind == "CM_LEFTUP_CF" ? 2 * kSide : 1 + v % 4;
        m.circleKind = "CM_LEFTTORIGHT_GF";
        m.circleX = kOrigin + kSide / 2;
        m.circleY = kOrigin + kSide / 2;
        m.circleRadius = 20 + v;
        m.clusterIndex = 0;
        layout.effects.modes.push_back(m);
        vx::Mode entry = m;
        entry.kindCode = static_cast<std::int32_t>(i);
        layout.effects.programGroups[i % vx::kProgramGroupCount].push_back(entry);
    }
    return layout;
}

void BM_Compile200ModesOver10000Lamps(benchmark::State& state) {
    const vx::LampLayout layout = makeLayout();
    std::size_t modes = 0;
    for (auto _ : state) {
        const vx::CompiledEffects compiled = vx::compileEffects(layout);
        modes = compiled.modes.size();
        benchmark::DoNotOptimize(compiled.clusters.data());
    }
    state.counters["compiledModes"] = static_cast<double>(modes);
}
BENCHMARK(BM_Compile200ModesOver10000Lamps)->Unit(benchmark::kMillisecond);

}  // namespace
