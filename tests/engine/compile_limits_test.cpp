// Values from damaged or hand-made files must compile to well-formed tables
// without overflowing or walking far outside the lamps.

#include <gtest/gtest.h>

#include <limits>
#include <random>
#include <set>

#include "effects/mode_kind.h"
#include "engine/play_kind.h"
#include "tests/engine/compile_test_support.h"

namespace vx {
namespace {

using test::blockLayout;
using test::compileWith;
using test::modeOver;

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

// Every index a compiled mode holds points into its table, every listed
// lamp exists and no list repeats a lamp.
void expectWellFormed(const CompiledEffects& c, std::size_t lampCount) {
    for (const auto& list : c.clusters) {
        std::set<std::uint32_t> seen;
        for (const std::uint32_t n : list) {
            EXPECT_LT(n, lampCount);
            EXPECT_TRUE(seen.insert(n).second) << "lamp " << n << " listed twice";
        }
    }
    for (const auto& list : c.clusterGroups) {
        for (const std::uint32_t g : list) EXPECT_LT(g, c.clusters.size());
    }
    for (const Mode& m : c.modes) {
        if (kinds::isCustomKind(m.kind) || m.playKind > 10) continue;
        if (m.playKind != 0) {
            EXPECT_LT(static_cast<std::size_t>(m.colorIndex), c.colorGroup.size());
        }
        if (isClusterPlayKind(m.playKind)) {
            EXPECT_LT(static_cast<std::size_t>(m.clusterIndex), c.clusters.size());
        }
        if (isClusterGroupPlayKind(m.playKind)) {
            EXPECT_LT(static_cast<std::size_t>(m.clusterGroupIndex), c.clusterGroups.size());
        }
    }
}

TEST(CompileLimits, ExtremeStartsAreasWidthsAndCirclesStayBounded) {
    const LampLayout layout = blockLayout(0, 0, 6, 5);
    ModeList modes;
    for (const auto& kind : kinds::circleInnerKinds()) {
        for (const std::int32_t v : {kMin, -1, 0, kMax}) {
            Mode m = modeOver(std::string(kind), {kMin, kMin, kMax, kMax});
            m.startX = v;
            m.startY = v == kMin ? kMax : v;
            m.bandWidth = v;
            modes.push_back(m);
            m.area = {v, v, kMax, v == kMax ? kMax : v + 3};
            m.bandWidth = v == kMax ? 2 : -v / 2;
            modes.push_back(m);
            Mode circle = modeOver("CM_CIRCULAR_AREA", {kMin, kMin, kMax, kMax});
            circle.circleKind = std::string(kind);
            circle.circleX = v;
            circle.circleY = -v / 3;
            circle.circleRadius = v;
            circle.startX = v;
            circle.bandWidth = kMax;
            modes.push_back(circle);
        }
    }
    Mode word = modeOver("CM_LEFTTORIGHT_WORD", {0, 0, 5, 4});
    word.wordStep = kMax;
    word.clusterIndex = kMax;
    modes.push_back(word);
    const auto c = compileWith(layout, modes);
    EXPECT_EQ(c.modes.size(), modes.size() - 1 + 5);
    expectWellFormed(c, layout.lamps.size());
    EXPECT_EQ(c.modes.back().colors.size(), 3u * (6 + 65536));  // the gap is capped
}

TEST(CompileLimits, LampsOffTheGridAndRepeatedNumbersAreHarmless) {
    LampLayout layout = blockLayout(498, 497, 2, 3);  // touches the grid's far corner
    layout.lamps.push_back(Lamp::made(-4, 7, 6, 10));
    layout.lamps.push_back(Lamp::made(900000, 3, 7, 10));
    layout.lamps.push_back(Lamp::made(498, 497, 8, 10));  // replaces lamp 0 on its cell
    layout.effects.layers[3] = {5, 99, 2};
    ModeList modes;
    for (const auto& kind : kinds::circleInnerKinds()) {
        Mode m = modeOver(std::string(kind), {0, 0, 499, 499});
        m.startX = 499;
        m.startY = 498;
        m.bandWidth = 2;
        m.extraLamps = {7, 6, 6};
        modes.push_back(m);
        m.kindCode = 4;  // the layer, with a position beyond the lamps
        modes.push_back(m);
        m.kindCode = -5;  // no layer at all
        modes.push_back(m);
    }
    modes.push_back(modeOver("CM_UPTODOWN_WORD", {0, 0, 499, 499}));
    const auto c = compileWith(layout, modes);
    EXPECT_EQ(c.modes.size(), modes.size() - 1 + 2);  // columns 498 and 499
    expectWellFormed(c, 9);
}

TEST(CompileLimits, RandomModesCompileToWellFormedTables) {
    std::mt19937 rng(12345);
    auto pick = [&](std::int32_t lo, std::int32_t hi) {
        return std::uniform_int_distribution<std::int32_t>(lo, hi)(rng);
    };
    LampLayout layout = blockLayout(3, 2, 9, 7);
    // Punch holes so the outlines have inner edges.
    for (std::size_t i = 0; i < layout.lamps.size(); i += 5) layout.lamps[i].x = 1000;
    layout.effects.clusters = {{1, 2, 3}, {}};
    layout.effects.clusterGroups = {{0, 1}};
    layout.effects.layers[0] = {1, 2, 3, 10, 11, 12, 40};
    const auto offered = kinds::offeredKinds();
    const auto inner = kinds::circleInnerKinds();
    ModeList modes;
    for (int i = 0; i < 400; ++i) {
        Mode m = modeOver(std::string(offered[static_cast<std::size_t>(pick(0, 69))]),
                          {pick(-3, 14), pick(-3, 12), pick(-3, 14), pick(-3, 12)});
        m.kindCode = pick(-1, 52);
        m.startX = pick(-5, 16);
        m.startY = pick(-5, 14);
        m.bandWidth = pick(-1, 6);
        m.circleKind = std::string(inner[static_cast<std::size_t>(pick(0, 60))]);
        m.circleX = pick(0, 14);
        m.circleY = pick(0, 12);
        m.circleRadius = pick(-1, 8);
        m.clusterIndex = pick(-1, 2);
        m.clusterGroupIndex = pick(-1, 1);
        m.wordColorMode = pick(0, 1);
        m.wordStep = pick(-1, 3);
        if (pick(0, 3) == 0) m.extraLamps = {static_cast<std::uint32_t>(pick(0, 62))};
        modes.push_back(m);
    }
    layout.effects.programGroups[7] = {modes[3], modes[9]};
    layout.effects.programGroups[7][0].kindCode = 3;
    layout.effects.programGroups[7][1].kindCode = 9;
    const auto c = compileWith(layout, modes);
    expectWellFormed(c, layout.lamps.size());
    for (const auto& group : c.programGroups) {
        for (const std::size_t p : group) EXPECT_LT(p, c.modes.size());
    }
}

}  // namespace
}  // namespace vx
