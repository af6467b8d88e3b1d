// Live DMX: the universes of a layout, the sACN packets, and the sample
// played into a loopback socket, checked against its own timeline.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "engine/compile/compile_effects.h"
#include "engine/play/playback.h"
#include "layout/layout_file.h"
#include "output/live/dmx_output.h"
#include "output/live/dmx_universes.h"
#include "output/live/live_sampler.h"
#include "output/live/sacn_packet.h"
#include "platform/file_io.h"
#include "tests/support/example_layout.h"
#include "tests/support/sacn_receiver.h"

namespace vx {
namespace {

Lamp wired(std::int32_t port, std::int32_t order) {
    Lamp lamp;
    lamp.port = port;
    lamp.portOrder = order;
    return lamp;
}

TEST(DmxUniverses, ChainOrderWithANewUniverseForEachPortAndEvery170Lamps) {
    std::vector<Lamp> lamps;
    lamps.push_back(wired(2, 2));                                          // 0
    lamps.push_back(wired(0, 1));                                          // 1: on no port
    lamps.push_back(wired(2, 1));                                          // 2
    lamps.push_back(wired(13, 1));                                         // 3: no such port
    for (std::int32_t i = 171; i >= 1; --i) lamps.push_back(wired(1, i));  // 4 .. 174
    auto universes = mapUniverses(lamps, 7);
    ASSERT_TRUE(universes.ok());
    ASSERT_EQ(universes->size(), 3u);
    EXPECT_EQ((*universes)[0].number, 7);
    EXPECT_EQ((*universes)[0].lamps.size(), 170u);
    EXPECT_EQ((*universes)[0].lamps.front(), 174u);  // portOrder 1
    EXPECT_EQ((*universes)[1].number, 8);
    EXPECT_EQ((*universes)[1].lamps, std::vector<std::uint32_t>{4});  // portOrder 171
    EXPECT_EQ((*universes)[2].number, 9);
    EXPECT_EQ((*universes)[2].lamps, (std::vector<std::uint32_t>{2, 0}));

    std::vector<std::uint8_t> slots;
    fillSlots((*universes)[2], std::vector<ColorWord>{0x030201, 0, 0x0C0B0A}, slots);
    EXPECT_EQ(slots, (std::vector<std::uint8_t>{10, 11, 12, 1, 2, 3}));

    EXPECT_TRUE(mapUniverses(lamps, 63997).ok());
    const auto beyond = mapUniverses(lamps, 63998);
    ASSERT_FALSE(beyond.ok());
    EXPECT_EQ(beyond.error().key, "ERR_LIVE_UNIVERSE");
    EXPECT_TRUE(mapUniverses(std::vector<Lamp>{wired(0, 0)}, 1)->empty());
}

TEST(SacnPacket, LayersLengthsAndFieldsFollowE131) {
    SacnSource source;
    source.cid = stableSacnCid("stage-pc");
    const std::vector<std::uint8_t> slots{1, 2, 3, 4, 5, 6};
    const auto p = sacnPacket(source, 0x1234, 200, slots);
    ASSERT_EQ(p.size(), 132u);
    EXPECT_EQ((std::vector<std::uint8_t>(p.begin(), p.begin() + 16)),
              (std::vector<std::uint8_t>{0, 0x10, 0, 0, 'A', 'S', 'C', '-', 'E', '1', '.', '1', '7',
                                         0, 0, 0}));
    EXPECT_EQ(p[16], 0x70);  // flags, root layer length 132 - 16
    EXPECT_EQ(p[17], 116);
    EXPECT_EQ(p[21], 4);     // root vector: E1.31 data
    EXPECT_EQ(p[38], 0x70);  // framing layer length 132 - 38
    EXPECT_EQ(p[39], 94);
    EXPECT_EQ(p[43], 2);
    const auto seen = test::SacnReceiver::parse(p.data(), p.size());
    EXPECT_EQ(seen.sourceName, "Vexolume");
    EXPECT_EQ(seen.priority, 100);
    EXPECT_EQ(seen.sequence, 200);
    EXPECT_EQ(seen.universe, 0x1234);
    EXPECT_EQ(seen.cid, std::vector<std::uint8_t>(source.cid.begin(), source.cid.end()));
    EXPECT_EQ(p[115], 0x70);  // DMP layer length 132 - 115
    EXPECT_EQ(p[116], 17);
    EXPECT_EQ(p[117], 2);
    EXPECT_EQ(p[118], 0xA1);
    EXPECT_EQ(p[122], 1);
    EXPECT_EQ(seen.startCode, 0);
    EXPECT_EQ(seen.slots, slots);
    // More than 512 slots are cut.
    EXPECT_EQ(sacnPacket(source, 1, 0, std::vector<std::uint8_t>(600)).size(), 126u + 512u);

    EXPECT_EQ(sacnMulticastAddress(0x0102), 0xEFFF0102u);
    EXPECT_EQ(stableSacnCid("stage-pc"), source.cid);
    EXPECT_NE(stableSacnCid("other-pc"), source.cid);
    EXPECT_EQ(source.cid[6] >> 4, 5);
}

TEST(DmxOutputTargets, UnknownTargetsAndHostsAreRefused) {
    for (const char* target :
         {"", "artnet", "sacn:", "sacn:host:0", "sacn:host:99999", "sacn:host:x"}) {
        const auto output = openDmxOutput(target);
        ASSERT_FALSE(output.ok()) << target;
        EXPECT_EQ(output.error().key, "ERR_LIVE_TARGET") << target;
    }
    const auto unknown = openDmxOutput("sacn:no-such-host.invalid");
    ASSERT_FALSE(unknown.ok());
    EXPECT_EQ(unknown.error().key, "ERR_LIVE_HOST");
    EXPECT_TRUE(openDmxOutput("sacn").ok());  // multicast needs no host
}

TEST(LiveSampler, TheSamplePlaysIntoALoopbackSocketFrameByFrame) {
    const LampLayout layout = test::exampleLayout();
    const CompiledEffects compiled = compileEffects(layout);
    PlayRequest request;
    request.programGroup = 0;

    test::SacnReceiver receiver;
    ASSERT_TRUE(receiver.bound());
    auto output = openDmxOutput("sacn:127.0.0.1:" + std::to_string(receiver.port()));
    ASSERT_TRUE(output.ok()) << output.error().detail;
    auto universes = mapUniverses(layout.lamps, 5);
    ASSERT_TRUE(universes.ok());
    Playback playback(compiled, layout.lamps.size(), request);
    LiveSampler sampler(playback, *universes, **output, 40.0);
    constexpr std::uint64_t kFrames = 120;  // 3 s: the start wait and the first sweep steps
    for (std::uint64_t k = 0; k < kFrames; ++k) ASSERT_TRUE(sampler.sendNextFrame().ok());
    EXPECT_EQ(sampler.frameTime(1), 25);
    EXPECT_EQ(sampler.frameTime(kFrames - 1), 2975);

    const auto packets = receiver.collect();
    ASSERT_EQ(packets.size(), 2 * kFrames);  // 80 lamps on each of two ports

    // The same show played independently, read in chain order by hand.
    const auto chain = test::lineOrder(layout);
    Playback reference(compiled, layout.lamps.size(), request);
    std::size_t changes = 0;
    std::vector<std::uint8_t> previous;
    for (std::uint64_t k = 0; k < kFrames; ++k) {
        reference.runUntil(static_cast<std::int64_t>(k * 25));
        std::vector<std::uint8_t> line;
        for (std::size_t lamp : chain) {
            const ColorWord c = reference.lampColors()[lamp];
            line.insert(line.end(),
                        {static_cast<std::uint8_t>(c), static_cast<std::uint8_t>(c >> 8),
                         static_cast<std::uint8_t>(c >> 16)});
        }
        for (std::size_t u = 0; u < 2; ++u) {
            const auto& seen = packets[2 * k + u];
            ASSERT_EQ(seen.universe, 5 + u) << "frame " << k;
            EXPECT_EQ(seen.sequence, static_cast<std::uint8_t>(k)) << "frame " << k;
            EXPECT_EQ(seen.startCode, 0);
            EXPECT_EQ(seen.sourceName, "Vexolume");
            ASSERT_EQ(seen.slots.size(), 240u);
            EXPECT_TRUE(std::equal(seen.slots.begin(), seen.slots.end(),
                                   line.begin() + static_cast<std::ptrdiff_t>(240 * u)))
                << "frame " << k << " universe " << seen.universe;
        }
        if (line != previous) ++changes;
        previous = line;
    }
    // Black until the first mode starts at 2 s, then a sweep step every 100 ms.
    EXPECT_GE(changes, 9u);
    EXPECT_LE(changes, 12u);
    EXPECT_EQ(packets.front().slots, std::vector<std::uint8_t>(240, 0));
    EXPECT_NE(packets.back().slots, std::vector<std::uint8_t>(240, 0));
}

}  // namespace
}  // namespace vx
