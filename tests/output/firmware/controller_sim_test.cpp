// The bundled sample, built with SDCC, running in the ucsim 8052 simulator:
// what goes out on the DMX line compared with the compiled tables and with
// the preview.

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <map>

#include "effects/rgb.h"
#include "engine/compile/compile_effects.h"
#include "engine/play/playback.h"
#include "output/firmware/controller_sim.h"
#include "output/firmware/firmware_build.h"
#include "platform/file_io.h"
#include "tests/output/firmware/firmware_folders.h"
#include "tests/support/example_layout.h"
#include "tests/support/temp_folder.h"

namespace vx {
namespace {

namespace fs = std::filesystem;
using LampState = std::vector<Rgb>;  // by lamp number

using Scratch = test::TempFolder;

Rgb rgbOf(ColorWord c) {
    return {static_cast<std::uint8_t>(c & 0xFF), static_cast<std::uint8_t>((c >> 8) & 0xFF),
            static_cast<std::uint8_t>((c >> 16) & 0xFF)};
}

// The sample built once for all the tests below.
struct BuiltSample {
    BuiltSample() {
        layout = test::exampleLayout();
        compiled = compileEffects(layout);
        chain = test::lineOrder(layout);
        fs::create_directories(folders.root.path() / "sim");
        const auto built = buildFirmware(layout, folders.options());
        image = built.image;
        log = built.toolLog;
    }
    test::FirmwareFolders folders{"sample"};
    LampLayout layout;
    CompiledEffects compiled;
    std::vector<std::size_t> chain;
    fs::path image;
    std::string log;
};

class SampleOnController : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_FALSE(image_.empty()) << sample().log; }

    static const BuiltSample& sample() {
        static const BuiltSample built;
        return built;
    }

    SimulationResult simulate(double seconds, std::vector<KeyPress> keys = {}) {
        SimulationRequest request;
        request.image = image_;
        request.lamps = chain_.size();
        request.seconds = seconds;
        request.keys = std::move(keys);
        request.scratch = scratch_.path() / "sim";
        auto result = simulateController(request);
        EXPECT_TRUE(result.ok()) << (result.ok() ? "" : result.error().detail);
        return result.ok() ? *result : SimulationResult{};
    }

    // A frame as lamp colours by lamp number, through the line order.
    LampState lampsOf(const DmxFrame& frame) const {
        LampState state(layout_.lamps.size(), Rgb{0, 0, 0});
        for (std::size_t i = 0; i < chain_.size(); ++i) {
            state[chain_[i]] = {frame[1 + 3 * i], frame[2 + 3 * i], frame[3 + 3 * i]};
        }
        return state;
    }

    std::vector<LampState> distinctStates(const std::vector<DmxFrame>& frames) const {
        std::vector<LampState> states;
        for (const auto& frame : distinctFrames(frames)) states.push_back(lampsOf(frame));
        return states;
    }

    // Distinct lamp states of the preview playing program group `group`, up
    // to `ms`, the black start left out.
    std::vector<LampState> previewStates(std::size_t group, std::int64_t ms) const {
        PlayRequest request;
        request.order = PlayOrder::Sequential;
        request.programGroup = group;
        Playback playback(compiled_, layout_.lamps.size(), request);
        std::vector<LampState> states;
        const LampState black(layout_.lamps.size(), Rgb{0, 0, 0});
        for (std::int64_t t = 0; t <= ms; ++t) {
            playback.runUntil(t);
            LampState state;
            for (ColorWord c : playback.lampColors()) state.push_back(rgbOf(c));
            if (state != black && (states.empty() || states.back() != state))
                states.push_back(state);
        }
        return states;
    }

    const Scratch& scratch_ = sample().folders.root;
    const LampLayout& layout_ = sample().layout;
    const CompiledEffects& compiled_ = sample().compiled;
    const fs::path& image_ = sample().image;
    const std::vector<std::size_t>& chain_ = sample().chain;
};

TEST_F(SampleOnController, SendsEveryWiredLampInLineOrderAndSweepsAsThePreview) {
    const SimulationResult run = simulate(1.2);
    ASSERT_EQ(chain_.size(), 160u);
    ASSERT_GE(run.capture.frames.size(), 8u);
    EXPECT_LT(run.capture.skippedBytes, 1 + 3 * chain_.size());  // at most an unfinished frame
    for (const auto& frame : run.capture.frames) {
        ASSERT_EQ(frame.size(), 1 + 3 * chain_.size());
        EXPECT_EQ(frame[0], 0);
    }

    // The first program starts with the colour sweep (MOD_CSTG) over 16
    // column groups: every step moves the red, green, blue pattern by one
    // column, exactly as the preview paints it.
    const auto controller = distinctStates(run.capture.frames);
    const auto preview = previewStates(0, 1500);
    ASSERT_GE(preview.size(), 16u);
    const std::size_t steps = std::min<std::size_t>(controller.size(), 16);
    ASSERT_GE(steps, 8u);
    for (std::size_t j = 0; j < steps; ++j) {
        EXPECT_EQ(controller[j], preview[j]) << "step " << j;
    }
    // Each step lasts 10 ms x its step delay of 10 on both: the controller's
    // wait counts from the start of the step, and the preview charges the
    // painting of the 160 lamps (8 ms) to the step its wait was shortened
    // for. So both show ten steps in the first second.
    const auto firstSecond = distinctFrames(simulate(1.0).capture.frames).size();
    EXPECT_GE(firstSecond, 9u);
    EXPECT_LE(firstSecond, 11u);
    EXPECT_EQ(previewStates(0, 999).size(), 10u);
    // Step 0 by hand: columns 0 and 15 red, column 1 blue.
    EXPECT_EQ(controller[0][0], (Rgb{255, 0, 0}));
    EXPECT_EQ(controller[0][159], (Rgb{255, 0, 0}));
    EXPECT_EQ(controller[0][10], (Rgb{0, 0, 255}));
}

TEST_F(SampleOnController, FadeEndsExactlyOnItsSecondColor) {
    // Program 1 is sweep (16 steps of 100 ms), chase (10 steps of 200 ms),
    // then the fade of the left half from white to blue, 7 per step.
    const SimulationResult run = simulate(8.0);
    std::vector<Rgb> leftHalf;  // colour of lamp 0 while the left half is one colour
    for (const auto& state : distinctStates(run.capture.frames)) {
        bool uniform = true;
        for (std::size_t n = 0; n < 80; ++n) uniform = uniform && state[n] == state[0];
        if (uniform && (leftHalf.empty() || leftHalf.back() != state[0]))
            leftHalf.push_back(state[0]);
    }
    const auto white = std::ranges::find(leftHalf, Rgb{255, 255, 255});
    ASSERT_NE(white, leftHalf.end());
    const std::vector<Rgb> fade(white, leftHalf.end());
    ASSERT_EQ(fade.size(), 37u);  // 255 / 7 = 36 steps after the first colour
    for (std::size_t s = 1; s < 36; ++s) {
        const auto v = static_cast<std::uint8_t>(255 - 7 * s);
        EXPECT_EQ(fade[s], (Rgb{v, v, 255})) << "step " << s;
    }
    EXPECT_EQ(fade[35], (Rgb{10, 10, 255}));
    EXPECT_EQ(fade[36], (Rgb{0, 0, 255}));
}

TEST_F(SampleOnController, ProgramKeyAdvancesToTheNextProgram) {
    const SimulationResult run = simulate(3.0, {{0.3, ControllerKey::Program}});
    // Program 2 starts with expanding rings filled group by group (MOD_FILL):
    // all its rings black, then the first ring in the first colour.
    const Mode& rings = compiled_.modes[compiled_.programGroups[1].front()];
    const auto& groups = compiled_.clusterGroups[static_cast<std::size_t>(rings.clusterGroupIndex)];
    const auto& colors = compiled_.colorGroup[static_cast<std::size_t>(rings.colorIndex)];
    LampState expected(layout_.lamps.size(), Rgb{0, 0, 0});
    for (std::uint32_t lamp : compiled_.clusters[groups.front()]) {
        expected[lamp] = {static_cast<std::uint8_t>(colors[0]),
                          static_cast<std::uint8_t>(colors[1]),
                          static_cast<std::uint8_t>(colors[2])};
    }
    const auto states = distinctStates(run.capture.frames);
    const auto first = std::ranges::find(states, expected);
    ASSERT_NE(first, states.end()) << "the second program never started";
    EXPECT_GE(first - states.begin(), 2);  // the sweep ran before the key
    const auto sweep = previewStates(0, 1500);
    for (auto it = first; it != states.end(); ++it) {
        EXPECT_EQ(std::ranges::find(sweep, *it), sweep.end()) << "sweep after the key";
    }
    // From there on the controller plays program 2 as the preview does: the
    // 11 rings filled one by one (MOD_FILL), then the frame traced lamp by
    // lamp from its end (MOD_CSTF).
    const auto preview = previewStates(1, 6000);
    const std::vector<LampState> played(first, states.end());
    ASSERT_GE(played.size(), 16u);
    ASSERT_GE(preview.size(), played.size());
    for (std::size_t i = 0; i < played.size(); ++i) {
        EXPECT_EQ(played[i], preview[i]) << "state " << i << " of program 2";
    }
}

TEST_F(SampleOnController, PauseHoldsTheShowAndTheSlowerKeyStretchesItsSteps) {
    const std::size_t plain = distinctFrames(simulate(1.5).capture.frames).size();
    ASSERT_GE(plain, 10u);
    // Paused shortly after the start: the first step or two, then nothing new.
    const auto pausedRun = simulate(1.5, {{0.15, ControllerKey::Pause}}).capture.frames;
    const auto paused = distinctFrames(pausedRun);
    EXPECT_LE(paused.size(), 3u);
    // The line is refreshed all the same (DMX wants a frame every second).
    EXPECT_GT(pausedRun.size(), paused.size());
    // Pause toggles: pressed again, the show goes on where it stood.
    const auto resumed = distinctFrames(
        simulate(1.5, {{0.15, ControllerKey::Pause}, {0.6, ControllerKey::Pause}}).capture.frames);
    EXPECT_GT(resumed.size(), paused.size());
    EXPECT_LT(resumed.size(), plain);
    // Speed 2 doubles every wait: fewer steps in the same time, same order.
    const auto slower =
        distinctFrames(simulate(1.5, {{0.1, ControllerKey::Slower}}).capture.frames);
    EXPECT_LT(slower.size(), plain * 3 / 4);
    const auto sweep = previewStates(0, 1500);
    for (std::size_t i = 0; i < slower.size() && i < sweep.size(); ++i) {
        EXPECT_EQ(lampsOf(slower[i]), sweep[i]) << "step " << i;
    }
}

TEST_F(SampleOnController, BreakAndMarkAfterBreakMeetTheDmxMinimums) {
    auto timing = measureDmxTiming(image_, scratch_.path() / "sim", std::chrono::seconds(60));
    ASSERT_TRUE(timing.ok()) << timing.error().detail;
    // DMX512: break at least 88 us, mark after break at least 8 us, both
    // under a second.
    EXPECT_GE(timing->breakMicros, 88.0);
    EXPECT_LT(timing->breakMicros, 1e6);
    EXPECT_GE(timing->markAfterBreakMicros, 8.0);
    EXPECT_LT(timing->markAfterBreakMicros, 1e6);
    EXPECT_GT(timing->firstFrameMillis, 0.0);
}

// What is no image at all is refused by the image reader; an image is
// refused here when it never drives the DMX line.
TEST(ControllerSimulation, ImagesWithoutDmxOutputAreRefused) {
    Scratch scratch("refused");
    // Valid records (a jump to itself), but no DMX output routine.
    const fs::path loop = scratch.path() / "loop.hex";
    ASSERT_TRUE(writeFileAtomically(loop, std::string(":03000000020000FB\n:00000001FF\n")));
    auto timing = measureDmxTiming(loop, scratch.path(), std::chrono::seconds(30));
    ASSERT_FALSE(timing.ok());
    EXPECT_EQ(timing.error().key, "ERR_SIM_IMAGE");
}

}  // namespace
}  // namespace vx
