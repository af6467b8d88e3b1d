// Loading and saving a large layout: 60,000 lamps and 2,000 modes (3.4 MiB of
// the 4 MiB a layout file may hold), in memory and through a file in the
// temporary folder.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "layout/layout_file.h"
#include "platform/file_io.h"

namespace vx {
namespace {

constexpr std::int32_t kLamps = 60'000;
constexpr std::size_t kModes = 2'000;

LampLayout largeLayout() {
    LampLayout layout;
    layout.lamps.reserve(kLamps);
    for (std::int32_t i = 0; i < kLamps; ++i) {
        Lamp lamp = Lamp::made(i % 400, i / 400, i, 8);
        lamp.port = 1 + i % 12;
        lamp.portOrder = 1 + i / 12;
        layout.lamps.push_back(lamp);
        layout.effectLamps.push_back(effectLampRecord(lamp));
    }
    const char* kinds[] = {"CM_LEFTTORIGHT_GC", "CM_UPTODOWN_WORD", "CM_CIRCULAR_AREA",
                           "CM_CUSTOMMODE"};
    for (std::size_t i = 0; i < kModes; ++i) {
        Mode m = createMode(kinds[i % 4]);
        m.label = "Mode number " + std::to_string(i);
        m.colors = {255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 255};
        m.stepDelay = 10;
        m.stepCount = 16;
        m.duration = 16;
        m.area = {0, 0, 399, 249};
        m.extraLamps = {1, 2, 3, 4, 5};
        m.circleKind = "CM_RIGHTDOWN_CF";
        layout.effects.modes.push_back(m);
        m.kindCode = static_cast<std::int32_t>(i);
        layout.effects.programGroups[i % kProgramGroupCount].push_back(std::move(m));
    }
    for (std::uint32_t c = 0; c < 100; ++c) layout.effects.clusters.push_back(UintList(100, c));
    layout.effects.layers[0] = UintList(1000, 7);
    return layout;
}

const LampLayout& sharedLayout() {
    static const LampLayout layout = largeLayout();
    return layout;
}

std::filesystem::path benchFile() {
    return std::filesystem::temp_directory_path() / "vexolume_bench_layout.led";
}

void BM_EncodeLayout(benchmark::State& state) {
    const auto& layout = sharedLayout();
    for (auto _ : state) {
        auto bytes = encodeLayout(layout);
        benchmark::DoNotOptimize(bytes.data());
        state.counters["bytes"] = static_cast<double>(bytes.size());
    }
}

void BM_DecodeLayout(benchmark::State& state) {
    const auto bytes = encodeLayout(sharedLayout());
    for (auto _ : state) {
        auto layout = decodeLayout(bytes);
        if (!layout) state.SkipWithError(layout.error().describe().c_str());
        benchmark::DoNotOptimize(&layout);
    }
}

void BM_SaveLayoutFile(benchmark::State& state) {
    const auto& layout = sharedLayout();
    const auto path = benchFile();
    for (auto _ : state) {
        if (auto s = writeFileAtomically(path, encodeLayout(layout)); !s) {
            state.SkipWithError(s.error().describe().c_str());
        }
    }
    std::filesystem::remove(path);
}

void BM_LoadLayoutFile(benchmark::State& state) {
    const auto path = benchFile();
    if (auto s = writeFileAtomically(path, encodeLayout(sharedLayout())); !s) {
        state.SkipWithError(s.error().describe().c_str());
        return;
    }
    for (auto _ : state) {
        auto bytes = readFileBytes(path);
        if (!bytes) state.SkipWithError(bytes.error().describe().c_str());
        auto layout = decodeLayout(*bytes);
        if (!layout) state.SkipWithError(layout.error().describe().c_str());
        benchmark::DoNotOptimize(&layout);
    }
    std::filesystem::remove(path);
}

BENCHMARK(BM_EncodeLayout)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeLayout)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveLayoutFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadLayoutFile)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vx
