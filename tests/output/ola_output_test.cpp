// Live DMX through OLA: the sample streamed to an olad of the test's own and
// read back from it.

#include <gtest/gtest.h>

#include "engine/compile/compile_effects.h"
#include "engine/play/playback.h"
#include "layout/layout_file.h"
#include "output/live/dmx_output.h"
#include "output/live/live_sampler.h"
#include "platform/file_io.h"
#include "tests/support/example_layout.h"
#include "tests/support/ola_daemon.h"
#include "tests/support/temp_folder.h"

namespace vx {
namespace {

TEST(OlaOutput, WithoutARunningOladOpeningFailsWithAClearMessage) {
    // A port nothing listens on (the daemon's default would be 9010).
    const auto output = openDmxOutput("ola", 1);
    ASSERT_FALSE(output.ok());
    EXPECT_EQ(output.error().key, "ERR_LIVE_OLA");
}

TEST(OlaOutput, TheSampleStreamedToOladIsWhatOladHolds) {
    test::TempFolder folder;
    test::OlaDaemon olad(folder.path() / "olad");
    if (!olad.running()) GTEST_SKIP() << "cannot start olad as an ordinary user: " << olad.whyNot;
    ASSERT_TRUE(olad.patch(21));
    ASSERT_TRUE(olad.patch(22));

    const LampLayout layout = test::exampleLayout();
    const CompiledEffects compiled = compileEffects(layout);
    PlayRequest request;
    request.programGroup = 0;
    auto universes = mapUniverses(layout.lamps, 21);
    ASSERT_TRUE(universes.ok());
    auto output = openDmxOutput("ola", olad.rpcPort);
    ASSERT_TRUE(output.ok()) << output.error().detail;

    Playback playback(compiled, layout.lamps.size(), request);
    LiveSampler sampler(playback, *universes, **output, 40.0);
    for (int k = 0; k < 90; ++k)
        ASSERT_TRUE(sampler.sendNextFrame().ok());  // to 2.225 s: sweep step 2

    // Streaming needs no replies; give olad a moment to take the last frame.
    std::vector<std::uint8_t> expected;
    for (std::size_t u = 0; u < 2; ++u) {
        fillSlots((*universes)[u], playback.lampColors(), expected);
        std::optional<std::vector<std::uint8_t>> held;
        for (int i = 0; i < 50; ++i) {
            held = olad.fetch(static_cast<unsigned>(21 + u));
            if (held && *held == expected) break;
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        ASSERT_TRUE(held.has_value()) << "universe " << 21 + u;
        EXPECT_EQ(*held, expected) << "universe " << 21 + u;
        EXPECT_NE(expected, std::vector<std::uint8_t>(240, 0));
    }
}

}  // namespace
}  // namespace vx

namespace vx {
namespace {

TEST(OlaOutput, WithoutOladTheLiveOutputGoesOnAsSacnMulticastAndSaysWhy) {
    auto live = openLiveOutput("ola", 1);
    ASSERT_TRUE(live.ok()) << live.error().describe();
    ASSERT_TRUE(live->fallback.has_value());
    EXPECT_EQ(live->fallback->key, "ERR_LIVE_OLA");
    EXPECT_NE(live->output->describe().find("sACN"), std::string::npos);
    // Only OLA falls back; a bad target stays an error.
    EXPECT_EQ(openLiveOutput("sacn:").error().key, "ERR_LIVE_TARGET");
    EXPECT_FALSE(openLiveOutput("sacn:127.0.0.1")->fallback.has_value());
}

}  // namespace
}  // namespace vx
