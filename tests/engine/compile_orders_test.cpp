// Lamp orders and group orders that compilation gives each kind family.

#include <gtest/gtest.h>

#include "tests/engine/compile_test_support.h"

namespace vx {
namespace {

using test::blockLayout;
using test::compileWith;
using test::groupsOf;
using test::lampListOf;
using test::modeOver;
using Groups = std::vector<UintList>;

// 4 columns x 2 rows at (10..13, 20..21): column x holds 2(x-10), 2(x-10)+1.
constexpr CellRect kWide{10, 20, 13, 21};

TEST(CompileScans, ColumnScanWrapsOnlyForStartsInsideTheBounds) {
    auto scan = [](std::int32_t startX) {
        Mode m = modeOver("CM_LEFTTORIGHT_CC", kWide);
        m.startX = startX;
        return lampListOf(compileWith(blockLayout(10, 20, 4, 2), {m}), 0);
    };
    EXPECT_EQ(scan(11), (UintList{2, 3, 4, 5, 6, 7, 0, 1}));  // L + 1: column L comes last
    EXPECT_EQ(scan(13), (UintList{6, 7, 0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(scan(10), (UintList{0, 1, 2, 3, 4, 5, 6, 7}));  // start = L: no wrap
    EXPECT_EQ(scan(14), (UintList{0, 1, 2, 3, 4, 5, 6, 7}));  // beyond R: no wrap
}

TEST(CompileScans, RowScanWrapDependsOnTheAreaAndScansTheBounds) {
    auto scan = [](CellRect area, std::int32_t startY, UintList extra) {
        Mode m = modeOver("CM_UPTODOWN_CC", area);
        m.startY = startY;
        m.extraLamps = std::move(extra);
        return lampListOf(compileWith(blockLayout(10, 20, 4, 2), {m}), 0);
    };
    EXPECT_EQ(scan(kWide, 21, {}), (UintList{1, 3, 5, 7, 0, 2, 4, 6}));
    EXPECT_EQ(scan(kWide, 20, {}), (UintList{0, 2, 4, 6, 1, 3, 5, 7}));  // start = area top
    // The rows run over the bounds even when the area reaches further.
    EXPECT_EQ(scan({10, 20, 13, 25}, 21, {}), (UintList{1, 3, 5, 7, 0, 2, 4, 6}));
    // The area (not the bounds) decides the wrap: start 21 is inside the
    // bounds but not below the area's top, so no wrap.
    EXPECT_EQ(scan({10, 21, 13, 21}, 21, {0}), (UintList{0, 1, 3, 5, 7}));
}

TEST(CompileScans, ExtraLampsOutsideTheAreaAreTakenWhereTheScanMeetsThem) {
    Mode rows = modeOver("CM_UPTODOWN_CC", {10, 20, 12, 21});
    rows.startY = 21;
    rows.extraLamps = {6};  // cell (13, 20)
    Mode columns = modeOver("CM_LEFTTORIGHT_CF", {10, 20, 11, 21});
    columns.extraLamps = {7, 5};  // cells (13, 21) and (12, 21)
    const auto c = compileWith(blockLayout(10, 20, 4, 2), {rows, columns});
    EXPECT_EQ(lampListOf(c, 0), (UintList{1, 3, 5, 0, 2, 4, 6}));
    EXPECT_EQ(lampListOf(c, 1), (UintList{0, 1, 2, 3, 5, 7}));
}

// 3 x 3 block at (1..3, 1..3): lamp (x, y) is 3(x-1) + (y-1).
constexpr CellRect kSquare{1, 1, 3, 3};

TEST(CompileScans, DiagonalLampListsHoldBandWidthLinesFromTheStartLine) {
    auto scan = [](const char* kind, std::int32_t sx, std::int32_t sy, std::int32_t lines) {
        Mode m = modeOver(kind, kSquare);
        m.startX = sx;
        m.startY = sy;
        m.bandWidth = lines;
        return lampListOf(compileWith(blockLayout(1, 1, 3, 3), {m}), 0);
    };
    // x + y lines, each from its anchor down-left, then up-right.
    EXPECT_EQ(scan("CM_LEFTDOWN_CC", 1, 1, 2), (UintList{0, 3, 1}));
    EXPECT_EQ(scan("CM_RIGHTUP_CF", 1, 1, 5), (UintList{0, 3, 1, 6, 4, 2, 7, 5, 8}));
    EXPECT_EQ(scan("CM_LEFTDOWN_CC", 2, 2, 2), (UintList{4, 2, 6, 7, 5}));
    EXPECT_EQ(scan("CM_LEFTDOWN_CC", 2, 2, 0), (UintList{}));
    // x - y lines, each from its anchor up-left, then down-right.
    EXPECT_EQ(scan("CM_LEFTUP_CC", 1, 3, 2), (UintList{2, 5, 1}));
    EXPECT_EQ(scan("CM_RIGHTDOWN_CF", 1, 3, 9), (UintList{2, 5, 1, 8, 4, 0, 7, 3, 6}));
}

TEST(CompileBands, ColumnBandsSplitByWidthAndWrapAtTheStart) {
    // 8 columns x 1 row at (5..12, 0).
    auto bands = [](std::int32_t startX) {
        Mode m = modeOver("CM_LEFTTORIGHT_GC", {5, 0, 12, 0});
        m.bandWidth = 3;
        m.startX = startX;
        return groupsOf(compileWith(blockLayout(5, 0, 8, 1), {m}), 0);
    };
    EXPECT_EQ(bands(0), (Groups{{0, 1, 2}, {3, 4, 5}, {6, 7}}));
    EXPECT_EQ(bands(9), (Groups{{4, 5, 6}, {7}, {0, 1, 2}, {3}}));
}

TEST(CompileBands, RowBandsAreCollectedColumnByColumn) {
    Mode m = modeOver("CM_DOWNTOUP_GF", kSquare);
    m.bandWidth = 2;
    m.startY = 3;  // area top < 3 <= area bottom: rows 3.., then 1..2
    const auto c = compileWith(blockLayout(1, 1, 3, 3), {m});
    EXPECT_EQ(groupsOf(c, 0), (Groups{{2, 5, 8}, {0, 1, 3, 4, 6, 7}}));
}

TEST(CompileBands, AntiDiagonalBandsFollowTopRowThenRightColumn) {
    auto bands = [](std::int32_t sx, std::int32_t sy) {
        Mode m = modeOver("CM_LEFTUP_GC", kSquare);
        m.startX = sx;
        m.startY = sy;
        return groupsOf(compileWith(blockLayout(1, 1, 3, 3), {m}), 0);
    };
    EXPECT_EQ(bands(0, 0), (Groups{{0}, {1, 3}, {2, 4, 6}, {5, 7}, {8}}));
    // A start inside the area: a0 = L + w * floor((sx + sy - L) / w) = 4.
    EXPECT_EQ(bands(2, 2), (Groups{{5, 7}, {8}, {0}, {1, 3}, {2, 4, 6}}));
}

TEST(CompileBands, DiagonalBandsFollowBottomRowThenRightColumnUpwards) {
    Mode m = modeOver("CM_LEFTDOWN_GF", kSquare);
    const auto c = compileWith(blockLayout(1, 1, 3, 3), {m});
    EXPECT_EQ(groupsOf(c, 0), (Groups{{2}, {1, 5}, {0, 4, 8}, {3, 7}, {6}}));
}

TEST(CompileFrames, SideFrameOfABlockRunsDownTheLeftSideFirstAndKernelIsTheCentre) {
    LampLayout layout = blockLayout(1, 1, 3, 3);
    layout.lamps.push_back(Lamp::made(6, 2, 9, 10));  // a separate lamp
    const auto c = compileWith(layout, {modeOver("CM_SIDEFRAME_CC", {0, 0, 10, 10}),
                                        modeOver("CM_KERNELBD", {0, 0, 10, 10}),
                                        modeOver("CM_ASIDEFRAME_CF", {6, 2, 6, 2})});
    EXPECT_EQ(lampListOf(c, 0), (UintList{0, 1, 2, 5, 8, 7, 6, 3, 9}));
    EXPECT_EQ(lampListOf(c, 1), (UintList{4}));
    EXPECT_EQ(lampListOf(c, 2), (UintList{9}));  // an isolated lamp is its own frame
    EXPECT_EQ(c.modes[1].playKind, 0);
}

TEST(CompileFrames, SideFrameFollowsTheOutlineOutsideTheArea) {
    // The area only holds the upper-left lamp; the outline takes the rest.
    const auto c = compileWith(blockLayout(1, 1, 3, 3), {modeOver("CM_SIDEFRAMEBD", {1, 1, 1, 1})});
    EXPECT_EQ(lampListOf(c, 0), (UintList{0, 1, 2, 5, 8, 7, 6, 3}));
}

// 5 x 5 block at (10..14, 10..14): lamp (x, y) is 5(x-10) + (y-10).
constexpr CellRect kBig{10, 10, 14, 14};

TEST(CompileRings, RingsGrowFromTheCentreOneRadiusPerGroup) {
    Mode m = modeOver("CM_EXPANDCIRCULAR_GC", kBig);
    m.startX = 12;
    m.startY = 12;
    Mode wide = m;
    wide.kind = "CM_SHRINKCIRCULAR_GF";
    wide.bandWidth = 2;
    const auto c = compileWith(blockLayout(10, 10, 5, 5), {m, wide});
    EXPECT_EQ(groupsOf(c, 0), (Groups{{12},
                                      {7, 11, 13, 17},
                                      {2, 6, 8, 10, 14, 16, 18, 22},
                                      {0, 1, 3, 4, 5, 9, 15, 19, 20, 21, 23, 24}}));
    EXPECT_EQ(groupsOf(c, 1), (Groups{{12, 7, 11, 13, 17}, {2, 6, 8, 10, 14, 16, 18, 22, 0,  1,
                                                            3, 4, 5, 9,  15, 19, 20, 21, 23, 24}}));
    EXPECT_EQ(c.modes[0].playKind, 2);
    EXPECT_EQ(c.modes[1].playKind, 8);
}

TEST(CompileRings, CentreOutsideTheAreaMovesToTheAreasFirstLamp) {
    Mode m = modeOver("CM_EXPANDCIRCULAR_GF", {11, 11, 13, 13});
    m.startX = 0;
    m.startY = 0;
    const auto c = compileWith(blockLayout(10, 10, 5, 5), {m});
    EXPECT_EQ(groupsOf(c, 0), (Groups{{6}, {7, 11}, {8, 12, 16}, {13, 17, 18}}));
}

TEST(CompileCircle, CircularAreaPlaysItsInnerKindOverTheLampsOnOrInsideTheCircle) {
    auto circle = [](const char* inner, std::int32_t radius) {
        Mode m = modeOver("CM_CIRCULAR_AREA", kBig);
        m.circleKind = inner;
        m.circleX = 12;
        m.circleY = 12;
        m.circleRadius = radius;
        return m;
    };
    const auto c = compileWith(
        blockLayout(10, 10, 5, 5),
        {circle("CM_LEFTTORIGHT_CC", 1), circle("CM_LEFTTORIGHT_CF", 0), circle("CM_KERNELBD", 1),
         circle("CM_UPTODOWN_GC", 1), modeOver("CM_LEFTTORIGHT_CC", kBig)});
    EXPECT_EQ(lampListOf(c, 0), (UintList{7, 11, 12, 13, 17}));
    EXPECT_EQ(c.modes[0].playKind, 6);
    EXPECT_EQ(lampListOf(c, 1), (UintList{12}));
    EXPECT_EQ(c.modes[1].playKind, 9);
    EXPECT_EQ(lampListOf(c, 2), (UintList{12}));  // kernel of the disc
    EXPECT_EQ(c.modes[2].playKind, 0);
    EXPECT_EQ(groupsOf(c, 3), (Groups{{11}, {7, 12, 17}, {13}}));
    // The mask belongs to the circle mode only.
    EXPECT_EQ(lampListOf(c, 4).size(), 25u);
}

}  // namespace
}  // namespace vx
