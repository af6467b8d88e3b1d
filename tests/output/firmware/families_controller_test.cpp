// The families example built with SDCC and run in the simulator: what the
// controller sends, state by state, against the preview playing the same
// program one mode after another. Between them they cover the group and
// lamp colour changes in both directions and with the colours counted from
// the end, the fills and a fade.
//
// Two things the data table cannot say are played by the controller its own
// way, and the expected states are made the same way: a change record has
// only a direction, so kinds 3 and 4 play as kind 2 and kind 6 takes its
// colours in list order; a group fill first blacks out all its groups.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>

#include "effects/rgb.h"
#include "engine/compile/compile_effects.h"
#include "engine/play/playback.h"
#include "layout/layout_file.h"
#include "output/firmware/controller_sim.h"
#include "output/firmware/firmware_build.h"
#include "output/twin/recorded_effects.h"
#include "platform/file_io.h"
#include "tests/support/temp_folder.h"

namespace vx {
namespace {

namespace fs = std::filesystem;
using LampState = std::vector<Rgb>;  // by lamp number

// The lamp colours the preview paints, with every group fill starting from
// black on its groups; notes the positions of the modes started.
class FillsFromBlack final : public PlayObserver {
public:
    FillsFromBlack(const CompiledEffects& e, std::size_t lamps) : e_(e), colors_(lamps, 0) {}
    void modeStarted(std::int64_t, std::size_t position, const Mode& m) override {
        started.push_back(position);
        if (m.playKind != 7 && m.playKind != 8) return;
        for (const auto group : e_.clusterGroups[static_cast<std::size_t>(m.clusterGroupIndex)])
            for (const auto lamp : e_.clusters[group])
                if (lamp < colors_.size()) colors_[lamp] = 0;
    }
    void lampPainted(std::int64_t, std::uint32_t lamp, ColorWord color) override {
        colors_[lamp] = color;
    }
    LampState state() const {
        LampState s;
        for (const ColorWord w : colors_)
            s.push_back({static_cast<std::uint8_t>(w & 0xFF),
                         static_cast<std::uint8_t>((w >> 8) & 0xFF),
                         static_cast<std::uint8_t>((w >> 16) & 0xFF)});
        return s;
    }
    std::vector<std::size_t> started;

private:
    const CompiledEffects& e_;
    std::vector<ColorWord> colors_;
};

TEST(FamiliesOnController, EveryStateSentIsThePreviewsNextOne) {
    auto bytes = readFileBytes(VEXOLUME_SOURCE_DIR "/examples/families.led");
    ASSERT_TRUE(bytes.ok());
    const auto layout = decodeLayout(*bytes);
    ASSERT_TRUE(layout.ok());
    const CompiledEffects compiled = compileEffects(*layout);
    const CompiledEffects recorded = asRecorded(compiled);
    std::multiset<std::int32_t> kindsPlayed;  // as compiled
    const test::TempFolder scratch("families-controller");
    for (const char* sub : {"work", "tools", "sim"}) fs::create_directories(scratch.path() / sub);
    FirmwareBuildOptions options;
    options.workFolder = scratch.path() / "work";
    options.toolFolder = scratch.path() / "tools";
    options.documentName = "families.led";
    const auto built = buildFirmware(*layout, options);
    ASSERT_TRUE(built.completed) << built.toolLog;

    std::vector<const Lamp*> chain;  // line order
    for (const Lamp& lamp : layout->lamps)
        if (lamp.port > 0) chain.push_back(&lamp);
    std::ranges::stable_sort(chain, [](const Lamp* a, const Lamp* b) {
        return std::pair(a->port, a->portOrder) < std::pair(b->port, b->portOrder);
    });

    // Program 0 to its fifth mode (colours from the end, backward), program 1
    // (rings, a shrinking fill, a lamp fill from the end) chosen by the key.
    struct Case {
        std::size_t program;
        double seconds;
        std::size_t fewestStates;
    };
    for (const Case c : {Case{0, 11.0, 150}, Case{1, 9.0, 90}}) {
        SCOPED_TRACE("program " + std::to_string(c.program));
        SimulationRequest request;
        request.image = built.image;
        request.lamps = chain.size();
        request.seconds = c.seconds;
        if (c.program == 1) request.keys = {{0.05, ControllerKey::Program}};
        request.scratch = scratch.path() / "sim";
        const auto run = simulateController(request);
        ASSERT_TRUE(run.ok()) << run.error().describe();
        std::vector<LampState> sent;
        for (const DmxFrame& frame : distinctFrames(run->capture.frames)) {
            LampState state(layout->lamps.size());
            for (std::size_t i = 0; i < chain.size(); ++i) {
                state[static_cast<std::size_t>(chain[i]->number)] = {
                    frame[1 + 3 * i], frame[2 + 3 * i], frame[3 + 3 * i]};
            }
            sent.push_back(state);
        }

        PlayRequest order;
        order.order = PlayOrder::Sequential;
        order.programGroup = c.program;
        FillsFromBlack expected(recorded, layout->lamps.size());
        Playback playback(recorded, layout->lamps.size(), order, &expected);
        std::vector<LampState> shown;
        for (std::int64_t t = 0; t <= static_cast<std::int64_t>(c.seconds * 2000); ++t) {
            playback.runUntil(t);
            LampState state = expected.state();
            if (shown.empty() || shown.back() != state) shown.push_back(std::move(state));
        }
        for (const std::size_t p : expected.started)
            kindsPlayed.insert(compiled.modes[compiled.programGroups[c.program][p]].playKind);

        ASSERT_GE(sent.size(), c.fewestStates);
        auto next = shown.begin();
        for (std::size_t i = 0; i < sent.size(); ++i) {
            ASSERT_NE(next, shown.end()) << "state " << i << ": the preview has ended";
            EXPECT_EQ(sent[i], *next) << "state " << i;
            ++next;
        }
    }
    // The differences above are in the programs played, not left untried.
    EXPECT_GE(kindsPlayed.count(3) + kindsPlayed.count(4) + kindsPlayed.count(6), 2u);
    EXPECT_GE(kindsPlayed.count(7) + kindsPlayed.count(8), 1u);
}

}  // namespace
}  // namespace vx
