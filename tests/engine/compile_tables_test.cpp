// The shared tables, PlayKinds and per-mode indices that compilation leaves.

#include <gtest/gtest.h>

#include "tests/engine/compile_test_support.h"

namespace vx {
namespace {

using test::blockLayout;
using test::compileWith;
using test::modeOver;

// 2 x 2 block at (0..1, 0..1): column 0 holds 0, 1; column 1 holds 2, 3.
constexpr CellRect kAll{0, 0, 1, 1};

TEST(CompileTables, EqualListsShareOneEntryAndDesignerListsComeFirst) {
    LampLayout layout = blockLayout(0, 0, 2, 2);
    layout.effects.clusters = {{0, 1}, {2, 3}, {0, 1}};
    layout.effects.clusterGroups = {{0, 1}};
    layout.effects.layers[1] = {3, 1};  // Layer 2: list positions 3 and 1
    const UintList a{255, 0, 0, 0, 0, 255};
    const UintList b{1, 2, 3};

    Mode column = modeOver("CM_LEFTTORIGHT_CC", {0, 0, 0, 1});
    column.colors = a;
    Mode bands = modeOver("CM_LEFTTORIGHT_GC", kAll);
    bands.colors = a;
    Mode nowhere = modeOver("CM_UPTODOWN_CC", {100, 100, 101, 101});
    nowhere.colors = b;
    Mode elsewhere = modeOver("CM_DOWNTOUP_CF", {50, 50, 60, 60});
    elsewhere.colors = b;
    Mode layer = modeOver("CM_LEFTTORIGHT_CC", kAll);
    layer.kindCode = 2;
    layer.colors = a;
    Mode fade = modeOver("CM_BRIGHTTODARK", kAll);
    fade.colorIndex = -7;
    Mode everything = modeOver("CM_RIGHTTOLEFT_CC", kAll);
    everything.kindCode = 51;  // above 50: all lamps
    everything.colors = a;

    const auto c =
        compileWith(layout, {column, bands, nowhere, elsewhere, layer, fade, everything});
    ASSERT_EQ(c.modes.size(), 7u);
    EXPECT_EQ(c.clusters,
              (std::vector<UintList>{{0, 1}, {2, 3}, {0, 1}, {}, {1, 3}, {0, 1, 2, 3}}));
    EXPECT_EQ(c.clusterGroups, (std::vector<UintList>{{0, 1}}));
    EXPECT_EQ(c.colorGroup, (std::vector<UintList>{a, b}));

    EXPECT_EQ(c.modes[0].clusterIndex, 0);       // the designer's first equal cluster
    EXPECT_EQ(c.modes[1].clusterGroupIndex, 0);  // bands {0,1},{2,3} = cluster group 0
    EXPECT_EQ(c.modes[2].clusterIndex, 3);       // empty list, interned once
    EXPECT_EQ(c.modes[3].clusterIndex, 3);
    EXPECT_EQ(c.modes[4].clusterIndex, 4);  // only the layer's lamps
    EXPECT_EQ(c.modes[5].clusterIndex, 5);
    EXPECT_EQ(c.modes[6].clusterIndex, 5);
    EXPECT_EQ(c.modes[0].colorIndex, 0);
    EXPECT_EQ(c.modes[2].colorIndex, 1);
    EXPECT_EQ(c.modes[3].colorIndex, 1);
    EXPECT_EQ(c.modes[5].colorIndex, -7);  // the fade reads its colours itself
    EXPECT_EQ(c.modes[5].playKind, 0);
    EXPECT_EQ(c.modes[4].playKind, 6);
    EXPECT_EQ(c.modes[6].playKind, 5);
    // The saved records are untouched.
    EXPECT_EQ(layout.effects.clusters.size(), 3u);
}

TEST(CompileTables, CustomModesWithoutOneOfTheDesignersListsAreDroppedAndShiftPositions) {
    LampLayout layout = blockLayout(0, 0, 2, 2);
    layout.effects.clusters = {{0, 1}};
    layout.effects.clusterGroups = {{0}};
    auto custom = [](std::int32_t kindCode, std::int32_t lamps, std::int32_t groups) {
        Mode m = modeOver("CM_CUSTOMMODE", kAll);
        m.kindCode = kindCode;
        m.clusterIndex = lamps;
        m.clusterGroupIndex = groups;
        return m;
    };
    // Each needs the list its PlayKind reads; the other index does not matter.
    const Mode noGroups = custom(7, 0, -1);
    const Mode farLamps = custom(5, 1, 0);  // one past the designer's clusters
    const Mode keptLamps = custom(5, 0, -1);
    const Mode groups = custom(2, -1, 0);
    const Mode farGroups = custom(8, 0, 1);  // one past the cluster groups
    const Mode negativeLamps = custom(0, -5, 0);

    const auto c = compileWith(
        layout, {noGroups, modeOver("CM_LEFTTORIGHT_CC", kAll), modeOver("CM_REGROUP", kAll),
                 farLamps, keptLamps, modeOver("CM_EMPTYMODE", kAll), groups, farGroups,
                 negativeLamps, modeOver("CM_REGRESS", kAll)});
    ASSERT_EQ(c.modes.size(), 6u);
    EXPECT_EQ(c.modes[0].kind, "CM_LEFTTORIGHT_CC");
    EXPECT_EQ(c.modes[1].playKind, 253);
    EXPECT_EQ(c.modes[1].stepCount, 1);
    EXPECT_EQ(c.modes[2].playKind, 5);
    EXPECT_EQ(c.modes[2].clusterIndex, 0);
    EXPECT_EQ(c.modes[2].colorIndex, 0);
    EXPECT_EQ(c.modes[3].playKind, 254);
    EXPECT_EQ(c.modes[3].stepCount, 3);
    EXPECT_EQ(c.modes[4].playKind, 2);
    EXPECT_EQ(c.modes[4].clusterGroupIndex, 0);
    EXPECT_EQ(c.modes[5].playKind, 255);
    EXPECT_EQ(c.modes[5].stepCount, 5);
    // Custom modes add no lists of their own.
    EXPECT_EQ(c.clusters.size(), 2u);
    EXPECT_EQ(c.clusterGroups.size(), 1u);
}

TEST(CompileTables, KindsOutsideThePlayKindTableKeepTheirCode) {
    Mode groupCode = modeOver("CM_NOTAKIND", kAll);
    groupCode.kindCode = 7;
    Mode highCode = modeOver("CM_NOTAKIND", kAll);
    highCode.kindCode = 30;
    highCode.colorIndex = -3;
    const auto c = compileWith(blockLayout(0, 0, 2, 2), {groupCode, highCode});
    ASSERT_EQ(c.modes.size(), 2u);
    EXPECT_EQ(c.modes[0].playKind, 7);
    EXPECT_EQ(c.clusterGroups.at(static_cast<std::size_t>(c.modes[0].clusterGroupIndex)),
              UintList{});
    EXPECT_EQ(c.modes[0].colorIndex, 0);
    EXPECT_EQ(c.modes[1].playKind, 30);
    EXPECT_EQ(c.modes[1].colorIndex, -3);
    EXPECT_EQ(c.modes[1].clusterIndex, -1);
}

TEST(CompileTables, LayoutWithoutLampsCompilesToEmptyLists) {
    const auto c = compileWith(
        LampLayout{}, {modeOver("CM_LEFTTORIGHT_GC", kAll), modeOver("CM_SIDEFRAME_CC", kAll),
                       modeOver("CM_UPTODOWN_WORD", kAll)});
    ASSERT_EQ(c.modes.size(), 2u);
    EXPECT_EQ(c.clusterGroups, (std::vector<UintList>{{}}));
    EXPECT_EQ(c.clusters, (std::vector<UintList>{{}}));
}

}  // namespace
}  // namespace vx
