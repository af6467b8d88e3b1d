#include "effects/effect_data.h"

#include <gtest/gtest.h>

namespace vx {
namespace {

TEST(InternList, ReusesEqualEntriesAndAppendsNewOnes) {
    ClusterTable table = {{1, 2}, {}, {2, 1}};
    EXPECT_EQ(internList(Cluster{2, 1}, table), 2);
    EXPECT_EQ(internList(Cluster{}, table), 1);
    EXPECT_EQ(table.size(), 3u);
    EXPECT_EQ(internList(Cluster{1, 2, 3}, table), 3);
    EXPECT_EQ(internList(Cluster{1}, table), 4);
    EXPECT_EQ(table.size(), 5u);
    ClusterTable empty;
    EXPECT_EQ(internList(Cluster{}, empty), 0);
    EXPECT_EQ(internList(Cluster{}, empty), 0);
}

TEST(DeleteMode, RemovesProgramEntriesAndRenumbersLaterOnes) {
    EffectData effects;
    for (int i = 0; i < 5; ++i) effects.modes.push_back(createMode("CM_EMPTYMODE"));
    for (int i = 0; i < 5; ++i)
        effects.modes[static_cast<std::size_t>(i)].label = std::to_string(i);
    auto entry = [&](std::int32_t source) {
        Mode m = effects.modes[static_cast<std::size_t>(source)];
        m.kindCode = source;
        return m;
    };
    effects.programGroups[0] = {entry(2), entry(0), entry(3), entry(2), entry(4)};
    effects.programGroups[31] = {entry(1)};

    deleteMode(effects, 2);
    ASSERT_EQ(effects.modes.size(), 4u);
    EXPECT_EQ(effects.modes[2].label, "3");
    std::vector<std::int32_t> codes;
    for (const auto& m : effects.programGroups[0]) codes.push_back(m.kindCode);
    EXPECT_EQ(codes, (std::vector<std::int32_t>{0, 2, 3}));
    EXPECT_EQ(effects.programGroups[0][1].label, "3");
    EXPECT_EQ(effects.programGroups[31][0].kindCode, 1);

    const auto before = effects;
    deleteMode(effects, 4);
    EXPECT_EQ(effects, before);
}

TEST(EffectData, LayersAreNumberedFromOne) {
    EffectData effects;
    EXPECT_EQ(effects.layers.size(), 50u);
    effects.layers[0] = {7};
    ASSERT_NE(layerByNumber(effects, 1), nullptr);
    EXPECT_EQ(*layerByNumber(effects, 1), (Layer{7}));
    EXPECT_NE(layerByNumber(effects, 50), nullptr);
    EXPECT_EQ(layerByNumber(effects, 0), nullptr);
    EXPECT_EQ(layerByNumber(effects, 51), nullptr);
}

}  // namespace
}  // namespace vx
