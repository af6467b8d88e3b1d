#include "output/tables/show_pattern.h"

#include <gtest/gtest.h>

#include "tests/output/compiled_fixture.h"
#include "tests/support/test_files.h"

namespace vx {
namespace {

using test::addMode;
using test::golden;

std::string showPatternText(const CompiledEffects& compiled) {
    TableTexts texts;
    texts.showPattern = buildShowPatternText(compiled);
    return outputText(texts, OutputMode::ShowPattern);
}

TEST(ShowPattern, EmptyGroupsGiveHeaderAndClosingOnly) {
    const CompiledEffects compiled;
    const TextPieces pieces = buildShowPatternText(compiled);
    ASSERT_EQ(pieces.size(), 64u);
    EXPECT_EQ(pieces[0], "code unsigned int ShowPattern0[] = {\r\n  ");
    EXPECT_EQ(pieces[1], "0xFD,  0x0001, \r\n 0XFF, };\r\n ");
    EXPECT_EQ(showPatternText(compiled), golden("dsp_empty.h"));
}

TEST(ShowPattern, SecondEmptyModeInARowEndsTheGroupAcrossGroups) {
    CompiledEffects c;
    const auto chase = addMode(c, {"CM_RIGHTTOLEFT_CF", 10, 2, -1, 1, 3, 0, 40});
    const auto empty5 = addMode(c, {"CM_EMPTYMODE", 254, -1, -1, 0, 0, 0, 5});
    const auto empty7 = addMode(c, {"CM_EMPTYMODE", 254, -1, -1, 0, 0, 0, 7});
    const auto regress = addMode(c, {"CM_REGRESS", 255});
    const auto regroup = addMode(c, {"CM_REGROUP", 253, -1, -1, 0, 0, 0, 12});
    c.programGroups[0] = {chase, empty5, empty7, chase};
    c.programGroups[1] = {empty5};           // the count was reset by the second one
    c.programGroups[2] = {empty5, regress};  // second in a row, across the boundary
    c.programGroups[3] = {regroup, regress, empty5};
    c.programGroups[4] = {chase, empty5};
    c.programGroups[6] = {empty7, chase};  // an empty group 5 does not reset the count
    EXPECT_EQ(showPatternText(c), golden("dsp_empty_mode.h"));
}

TEST(ShowPattern, RowLayoutsOfEveryCode) {
    CompiledEffects c;
    c.programGroups[0] = {
        // One colour: the second is 256, 256, 256 and every channel rises.
        addMode(c, {"CM_BRIGHTTODARK", 0, 5, -1, 0, 2, 4, 30, {10, 200, 0}}),
        // Per-channel targets, step count 0.
        addMode(c, {"CM_CUSTOMMODE", 0, 0, -1, 0, 3, 0, 40, {10, 200, 0, 0, 100, 255}}),
        addMode(c, {"CM_KERNELBD", 0, 2, -1, 0, 1, 3, 20, {0, 0, 0, 255, 128, 0}}),
        addMode(c, {"CM_SIDEFRAMEBD", 0, 1, -1, 0, 0, 0, 0, {}}),
    };
    c.programGroups[1] = {
        addMode(c, {"CM_LEFTTORIGHT_GC", 2, -1, 1, 2, 3, 4, 5}),
        addMode(c, {"CM_LEFTTORIGHT_GOBC", 3, -1, 1, 2, 3, 4, 5}),
        addMode(c, {"CM_RIGHTTOLEFT_GC", 1, -1, 1, 2, 3, 4, 5}),
        addMode(c, {"CM_RIGHTTOLEFT_GOBC", 4, -1, 1, 2, 3, 4, 5}),
        addMode(c, {"CM_CIRCULAR_AREA", 2, -1, 1, 2, 3, 4, 5}),
        addMode(c, {"CM_RIGHTTOLEFT_CC", 5, 6, -1, 0, 7, 8, 9}),
        addMode(c, {"CM_LEFTTORIGHT_GF", 7, -1, 0, 1, 2, 0, 3}),
        addMode(c, {"CM_LEFTTORIGHT_CF", 9, 4, -1, 0, 1, 0, 2}),
        addMode(c, {"CM_SOMETHING_ELSE", 11}),
    };
    EXPECT_EQ(showPatternText(c), golden("dsp_rows.h"));
}

TEST(ShowPattern, FadeIncrementAndTargets) {
    const Mode down =
        test::compiledMode({"CM_BRIGHTTODARK", 0, 0, -1, 0, 1, 2, 1, {200, 10, 50, 0, 110, 50}});
    const FadeRow f = fadeRow(down);
    EXPECT_EQ(f.increment, 100);  // largest distance 200, two steps
    EXPECT_EQ(f.target[0], 0 + 512 + 768 + 512);
    EXPECT_EQ(f.target[1], 110);
    EXPECT_EQ(f.target[2], 50);
    EXPECT_EQ(showPatternRow(down), "0, 100, 200, 10, 50, 1792, 110, 50, 1, 1, 0, \r\n  ");
}

}  // namespace
}  // namespace vx
