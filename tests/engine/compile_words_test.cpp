// Word modes become line modes; program groups point at compiled positions.

#include <gtest/gtest.h>

#include "engine/compile/word_modes.h"
#include "layout/layout_bounds.h"
#include "tests/engine/compile_test_support.h"

namespace vx {
namespace {

using test::blockLayout;
using test::compileWith;
using test::lampListOf;
using test::modeOver;

// 3 columns x 2 rows at (0..2, 0..1): column x holds 2x, 2x + 1. The text
// lamps are 2 (1, 0) and 5 (2, 1).
constexpr CellRect kAll{0, 0, 2, 1};
const UintList kText{255, 0, 0};
const UintList kBack{0, 0, 255};

UintList colors(std::initializer_list<const UintList*> list) {
    UintList out;
    for (const UintList* c : list) out.insert(out.end(), c->begin(), c->end());
    return out;
}

LampLayout wordLayout() {
    LampLayout layout = blockLayout(0, 0, 3, 2);
    layout.effects.clusters = {{5, 2}};
    return layout;
}

Mode word(const char* kind, std::int32_t colorMode, std::int32_t gap) {
    Mode m = modeOver(kind, kAll);
    m.colors = colors({&kText, &kBack});
    m.clusterIndex = 0;
    m.wordColorMode = colorMode;
    m.wordStep = gap;
    m.duration = 30;
    return m;
}

ExpandedModes expand(const LampLayout& layout, ModeList modes) {
    return expandWordModes(modes, layout.effects.clusters, layout.lamps,
                           computeLayoutBounds(layout.lamps));
}

const UintList* T = &kText;
const UintList* B = &kBack;

TEST(CompileWords, HorizontalWordBecomesOneColorChangeLinePerRow) {
    const auto e = expand(wordLayout(), {word("CM_LEFTTORIGHT_WORD", 0, 2)});
    ASSERT_EQ(e.modes.size(), 2u);
    EXPECT_EQ(e.words, (std::vector<WordRecord>{{0, 2}}));
    EXPECT_EQ(e.modes[0].kind, "CM_LEFTTORIGHT_CC");
    EXPECT_EQ(e.modes[0].area, (CellRect{0, 0, 2, 0}));
    EXPECT_EQ(e.modes[0].colors, colors({B, T, B, B, B}));  // pattern, then 2 gap colours
    EXPECT_EQ(e.modes[1].area, (CellRect{0, 1, 2, 1}));
    EXPECT_EQ(e.modes[1].colors, colors({B, B, T, B, B}));
    EXPECT_EQ(e.modes[0].duration, 0);
    EXPECT_EQ(e.modes[1].duration, 30);  // only the last line holds the word's time
}

TEST(CompileWords, FilledReverseWordPutsEachColorInFront) {
    const auto e = expand(wordLayout(), {word("CM_RIGHTTOLEFT_WORD", 1, 2)});
    ASSERT_EQ(e.modes.size(), 2u);
    EXPECT_EQ(e.modes[1].kind, "CM_RIGHTTOLEFT_CF");
    EXPECT_EQ(e.modes[1].colors, colors({T, B, B}));  // no gap for filled words
    const auto down = expand(wordLayout(), {word("CM_DOWNTOUP_WORD", 1, 0)});
    ASSERT_EQ(down.modes.size(), 3u);
    EXPECT_EQ(down.modes[1].kind, "CM_DOWNTOUP_CF");
    EXPECT_EQ(down.modes[1].colors, colors({B, T}));
}

TEST(CompileWords, VerticalWordLinesCompileToTheirColumns) {
    LampLayout layout = wordLayout();
    layout.lamps.erase(layout.lamps.begin() + 2, layout.lamps.begin() + 4);  // empty column 1
    layout.lamps[2].number = 2;
    layout.lamps[3].number = 3;  // column 2 now holds 2, 3
    layout.effects.clusters = {{3}};
    layout.effects.modes = {word("CM_UPTODOWN_WORD", 0, 0)};
    const auto e = expand(layout, layout.effects.modes);
    ASSERT_EQ(e.modes.size(), 3u);
    EXPECT_EQ(e.words, (std::vector<WordRecord>{{0, 3}}));
    EXPECT_EQ(e.modes[1].area, (CellRect{1, -1, 1, -1}));
    EXPECT_EQ(e.modes[1].colors, UintList{});
    EXPECT_EQ(e.modes[2].colors, colors({B, T}));

    const auto c = compileEffects(layout);
    ASSERT_EQ(c.modes.size(), 3u);
    EXPECT_EQ(c.modes[0].playKind, 6);
    EXPECT_EQ(lampListOf(c, 0), (UintList{0, 1}));
    EXPECT_EQ(lampListOf(c, 1), UintList{});
    EXPECT_EQ(lampListOf(c, 2), (UintList{2, 3}));
}

TEST(CompileWords, WordWithoutItsClusterOrColorsUsesBackgroundAndBlack) {
    Mode m = word("CM_LEFTTORIGHT_WORD", 0, 0);
    m.clusterIndex = 4;
    m.colors = {9, 9, 9};
    const auto e = expand(wordLayout(), {m});
    ASSERT_EQ(e.modes.size(), 2u);
    EXPECT_EQ(e.modes[0].colors, (UintList{0, 0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST(CompileWords, DiagonalWordsAreLeftOut) {
    const auto c =
        compileWith(wordLayout(), {word("CM_RIGHTUP_WORD", 0, 0), word("CM_LEFTDOWN_WORD", 1, 0),
                                   modeOver("CM_REGROUP", kAll)});
    ASSERT_EQ(c.modes.size(), 1u);
    EXPECT_EQ(c.modes[0].playKind, 253);
    EXPECT_EQ(c.modes[0].stepCount, 0);
}

Mode entry(std::int32_t source) {
    Mode m = createMode("CM_LEFTTORIGHT_CC");
    m.kindCode = source;
    return m;
}

TEST(CompileProgramGroups, EntriesPointAtTheModesTheirSourceBecame) {
    LampLayout layout = wordLayout();
    Mode dropped = modeOver("CM_CUSTOMMODE", kAll);
    dropped.kindCode = 7;
    dropped.clusterGroupIndex = -1;
    layout.effects.modes = {dropped, word("CM_UPTODOWN_WORD", 0, 0),
                            modeOver("CM_LEFTTORIGHT_CC", kAll), word("CM_RIGHTUP_WORD", 0, 0),
                            modeOver("CM_REGROUP", kAll)};
    layout.effects.programGroups[0] = {entry(2), entry(1), entry(4), entry(0), entry(3), entry(9)};
    layout.effects.programGroups[31] = {entry(2)};
    const auto c = compileEffects(layout);
    ASSERT_EQ(c.modes.size(), 5u);  // three word lines, the sweep, the regroup
    EXPECT_EQ(c.modes[3].kind, "CM_LEFTTORIGHT_CC");
    EXPECT_EQ(c.modes[4].stepCount, 4);
    EXPECT_EQ(c.programGroups[0], (std::vector<std::size_t>{3, 0, 1, 2, 4}));
    EXPECT_EQ(c.programGroups[31], (std::vector<std::size_t>{3}));
    for (std::size_t g = 1; g < 31; ++g) EXPECT_TRUE(c.programGroups[g].empty());
}

}  // namespace
}  // namespace vx
