#include "examples/sample_layout.h"

#include <set>

#include <gtest/gtest.h>

#include "effects/mode_kind.h"
#include "layout/layout_file.h"
#include "platform/file_io.h"

namespace vx {
namespace {

// The committed sample must be what the generator writes today; regenerate
// it with vexolume-make-sample when the sample changes on purpose.
TEST(Sample, CommittedFileMatchesTheGenerator) {
    const auto committed = readFileBytes(VEXOLUME_SOURCE_DIR "/examples/sample.led");
    ASSERT_TRUE(committed.ok());
    EXPECT_EQ(encodeLayout(makeSampleLayout()), *committed);
    const auto loaded = decodeLayout(*committed);
    ASSERT_TRUE(loaded.ok()) << loaded.error().describe();
    EXPECT_EQ(*loaded, makeSampleLayout());
}

TEST(Sample, MatrixIsNumberedByColumnAndWiredAsTwoContinuousChains) {
    const auto layout = makeSampleLayout();
    ASSERT_EQ(layout.lamps.size(), 160u);
    std::set<std::pair<std::int32_t, std::int32_t>> chainPlaces;
    for (std::size_t i = 0; i < layout.lamps.size(); ++i) {
        const auto& lamp = layout.lamps[i];
        EXPECT_EQ(lamp.number, static_cast<std::int32_t>(i));
        EXPECT_EQ(lamp.number, lamp.x * kSampleRows + lamp.y);
        EXPECT_EQ(lamp.color, kGreen);
        EXPECT_EQ(lamp.diameter, 8);
        EXPECT_EQ(lamp.port, lamp.x < 8 ? 1 : 2);
        EXPECT_TRUE(chainPlaces.insert({lamp.port, lamp.portOrder}).second);
    }
    // Consecutive places in a chain are neighbouring lamps, so the wiring
    // never jumps across the matrix.
    for (std::int32_t port : {1, 2}) {
        const Lamp* previous = nullptr;
        for (std::int32_t order = 1; order <= 80; ++order) {
            const Lamp* here = nullptr;
            for (const auto& lamp : layout.lamps) {
                if (lamp.port == port && lamp.portOrder == order) here = &lamp;
            }
            ASSERT_NE(here, nullptr) << "port " << port << " order " << order;
            if (previous) {
                EXPECT_EQ(std::abs(here->x - previous->x) + std::abs(here->y - previous->y), 1);
            }
            previous = here;
        }
    }
    ASSERT_EQ(layout.effectLamps.size(), layout.lamps.size());
    EXPECT_EQ(layout.effectLamps[17], effectLampRecord(layout.lamps[17]));
}

TEST(Sample, ModesAreConsistentAndProgramEntriesCopyTheirSources) {
    const auto layout = makeSampleLayout();
    const auto& effects = layout.effects;
    std::set<std::string> kinds;
    for (const auto& m : effects.modes) {
        kinds.insert(m.kind);
        EXPECT_TRUE(kinds::isOfferedKind(m.kind)) << m.kind;
        EXPECT_FALSE(m.label.empty());
        EXPECT_EQ(m.colors.size() % 3, 0u);
        EXPECT_EQ(static_cast<std::uint32_t>(m.duration),
                  m.stepDelay * static_cast<std::uint32_t>(m.stepCount) / 10)
            << m.kind;
    }
    EXPECT_EQ(kinds.size(), effects.modes.size());
    std::size_t used = 0;
    for (const auto& group : effects.programGroups) {
        used += group.empty() ? 0u : 1u;
        for (const auto& entry : group) {
            ASSERT_GE(entry.kindCode, 0);
            ASSERT_LT(static_cast<std::size_t>(entry.kindCode), effects.modes.size());
            Mode source = effects.modes[static_cast<std::size_t>(entry.kindCode)];
            source.kindCode = entry.kindCode;
            EXPECT_EQ(entry, source);
        }
    }
    EXPECT_EQ(used, 4u);
    // The custom mode plays a cluster that exists.
    const auto& custom = effects.modes.back();
    ASSERT_TRUE(kinds::isCustomKind(custom.kind));
    ASSERT_TRUE(kinds::customUsesCluster(custom.kindCode));
    ASSERT_LT(static_cast<std::size_t>(custom.clusterIndex), effects.clusters.size());
}

}  // namespace
}  // namespace vx
