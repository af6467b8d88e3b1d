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
