// Speed of the firmware build with SDCC and of the controller simulation,
// both on the bundled sample (160 lamps, 4 programs). The work happens in
// child processes (sdcc, s51), so the figures are wall-clock times.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>

#include "examples/sample_layout.h"
#include "output/firmware/controller_sim.h"
#include "output/firmware/firmware_build.h"

namespace vx {
namespace {

namespace fs = std::filesystem;

struct BenchFolders {
    BenchFolders()
        : root(fs::temp_directory_path() / ("vx-fw-bench-" + std::to_string(::getpid()))) {
        fs::remove_all(root);
        fs::create_directories(root / "work");
        fs::create_directories(root / "tools");
        fs::create_directories(root / "sim");
    }
    ~BenchFolders() {
        std::error_code ec;
        fs::remove_all(root, ec);
    }
    BenchFolders(const BenchFolders&) = delete;
    BenchFolders& operator=(const BenchFolders&) = delete;
    fs::path root;
};

LampLayout sample() { return makeSampleLayout(); }

FirmwareBuildResult build(const LampLayout& layout, const BenchFolders& folders) {
    FirmwareBuildOptions options;
    options.workFolder = folders.root / "work";
    options.toolFolder = folders.root / "tools";
    options.documentName = "sample.led";
    return buildFirmware(layout, options);
}

// Create BIN File end to end: tables, CData.h, three compiles, link, hex, bin.
void BM_FirmwareBuildSample(benchmark::State& state) {
    const LampLayout layout = sample();
    BenchFolders folders;
    std::uintmax_t size = 0;
    for (auto _ : state) {
        const auto result = build(layout, folders);
        if (!result.completed) state.SkipWithError("the firmware build failed");
        size = result.imageSize;
    }
    state.counters["image_bytes"] = static_cast<double>(size);
}
BENCHMARK(BM_FirmwareBuildSample)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

// Two simulated seconds of the sample's first program in ucsim.
void BM_SimulateSample(benchmark::State& state) {
    BenchFolders folders;
    const auto built = build(sample(), folders);
    if (!built.completed) {
        state.SkipWithError("the firmware build failed");
        return;
    }
    double simulated = 0;
    std::size_t frames = 0;
    for (auto _ : state) {
        SimulationRequest request;
        request.image = built.image;
        request.lamps = 160;
        request.seconds = 2.0;
        request.scratch = folders.root / "sim";
        auto run = simulateController(request);
        if (!run) {
            state.SkipWithError("the simulation failed");
            break;
        }
        simulated += run->simulatedSeconds;
        frames += run->capture.frames.size();
    }
    state.counters["simulated_s"] =
        benchmark::Counter(simulated, benchmark::Counter::kAvgIterations);
    state.counters["frames"] =
        benchmark::Counter(static_cast<double>(frames), benchmark::Counter::kAvgIterations);
    state.counters["simulated_s_per_s"] =
        benchmark::Counter(simulated, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_SimulateSample)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

}  // namespace
}  // namespace vx
