// The new-layout wizard's rules: clamping, fill and outline, serpentine
// wiring, the style presets and program groups, and the report.

#include <gtest/gtest.h>

#include <set>

#include "app/wizard/wizard_lamps.h"
#include "app/wizard/wizard_programs.h"
#include "app/wizard/wizard_shape.h"
#include "app/wizard/wizard_styles.h"
#include "effects/mode_kind.h"
#include "layout/ports.h"

namespace vx {
namespace {

std::vector<std::int32_t> orders(const std::vector<Lamp>& lamps) {
    std::vector<std::int32_t> out;
    for (const auto& l : lamps) out.push_back(l.portOrder);
    return out;
}

TEST(WizardShape, CountsAreClampedAndASingleLampBecomesTwo) {
    WizardShape s;
    s = editWizardColumns(s, 1);
    s = editWizardRows(s, 1);
    EXPECT_EQ(s.columns, 1);
    EXPECT_EQ(s.rows, 2);  // the one edited last
    EXPECT_EQ(makeWizardLamps(s, kWizardZoom, 8.0).size(), 2u);

    s = editWizardColumns(WizardShape{5, 1, true, 1}, 1);
    EXPECT_EQ(s.columns, 2);
    EXPECT_EQ(s.rows, 1);
    EXPECT_EQ(editWizardColumns(WizardShape{}, 201).columns, 1);
    EXPECT_EQ(editWizardRows(WizardShape{}, 0).rows, 1);
    EXPECT_EQ(editWizardRows(WizardShape{}, 200).rows, 200);
}

TEST(WizardLamps, FillAndOutlineMakeTheLampsTheTotalSays) {
    const WizardShape outline{3, 3, false, 1};
    EXPECT_EQ(wizardTotal(outline), 8);
    const auto ring = makeWizardLamps(outline, kWizardZoom, 8.0);
    ASSERT_EQ(ring.size(), 8u);
    for (const auto& l : ring) EXPECT_FALSE(l.x == 22 && l.y == 12);  // the middle stays empty

    const WizardShape filled{4, 3, true, 1};
    EXPECT_EQ(wizardTotal(filled), 12);
    const auto block = makeWizardLamps(filled, kWizardZoom, 8.9);
    ASSERT_EQ(block.size(), 12u);
    // At zoom 16 the block starts at (21, 11), one cell apart, column by column.
    EXPECT_EQ(block.front(), Lamp::made(21, 11, 0, 8));
    EXPECT_EQ(block[3], Lamp::made(22, 11, 3, 8));
    EXPECT_EQ(block.back(), Lamp::made(24, 13, 11, 8));
    EXPECT_EQ(wizardExtent(block), (WizardExtent{4, 3}));
    // At zoom 32 two columns share a cell column: (336 + 16 k) / 32.
    const auto packed = makeWizardLamps(filled, 32, 8.0);
    EXPECT_EQ(packed[0].x, 10);
    EXPECT_EQ(packed[3].x, 11);
    EXPECT_EQ(packed[6].x, 11);
}

TEST(WizardLamps, SerpentineChainRunsDownOddColumnsAndUpEvenOnes) {
    auto lamps = makeWizardLamps(WizardShape{2, 3, true, 5}, kWizardZoom, 8.0);
    wireWizardLamps(lamps, 5);
    EXPECT_EQ(orders(lamps), (std::vector<std::int32_t>{1, 2, 3, 6, 5, 4}));
    for (std::size_t i = 0; i < lamps.size(); ++i) {
        EXPECT_EQ(lamps[i].number, static_cast<std::int32_t>(i));
        EXPECT_EQ(lamps[i].port, 5);
        EXPECT_EQ(lamps[i].color, portColor(5));
    }

    // An outline's middle columns hold two lamps: bottom first on the way up.
    auto ring = makeWizardLamps(WizardShape{3, 3, false, 2}, kWizardZoom, 8.0);
    wireWizardLamps(ring, 2);
    EXPECT_EQ(orders(ring), (std::vector<std::int32_t>{1, 2, 3, 5, 4, 6, 7, 8}));
}

TEST(WizardStyles, FourteenStylesOwnTheirRunsOfTheFiftyNinePresets) {
    const CellRect area{21, 11, 30, 20};
    const ModeList modes = makeStyleModes(area, 100);
    ASSERT_EQ(modes.size(), kWizardPresetCount);
    std::size_t next = 0;
    const std::size_t counts[] = {1, 1, 1, 1, 1, 1, 1, 1, 6, 5, 14, 5, 15, 6};
    for (std::size_t s = 0; s < kWizardStyleCount; ++s) {
        EXPECT_EQ(styleRun(s), (StyleRun{next, counts[s]})) << s;
        next += counts[s];
        // The longer styles are shows of several kinds.
        std::set<std::string> kindNames;
        for (std::size_t i = styleRun(s).first; i < next; ++i) kindNames.insert(modes[i].kind);
        if (counts[s] > 1) {
            EXPECT_GE(kindNames.size(), 4u) << s;
        }
    }
    EXPECT_EQ(next, kWizardPresetCount);
    for (const Mode& m : modes) {
        EXPECT_TRUE(kinds::isOfferedKind(m.kind)) << m.kind;
        EXPECT_EQ(m.colors.size() % 3, 0u) << m.label;
        EXPECT_EQ(m.area, area) << m.label;
        EXPECT_GT(m.duration, 0) << m.label;
        if (!kinds::isControlKind(m.kind)) {
            EXPECT_GE(m.colors.size(), 3u) << m.label;
        }
    }
}

TEST(WizardPrograms, PresetsAreMadeOnceAndStylesGoIntoGroupsAsCopies) {
    EffectData effects;
    ChosenStyles chosen = noStylesChosen();
    effects.programGroups[4].push_back(createMode("CM_EMPTYMODE"));
    ASSERT_TRUE(openStylesPage(effects, chosen, CellRect{0, 0, 9, 9}, 100));
    EXPECT_EQ(effects.modes.size(), kWizardPresetCount);
    EXPECT_TRUE(effects.programGroups[4].empty());

    ASSERT_TRUE(insertStyle(effects, chosen, 3, 9));
    ASSERT_EQ(effects.programGroups[3].size(), 5u);
    for (std::size_t k = 0; k < 5; ++k) {
        Mode expected = effects.modes[14 + k];
        expected.kindCode = static_cast<std::int32_t>(14 + k);
        EXPECT_EQ(effects.programGroups[3][k], expected);
    }
    EXPECT_EQ(chosen[3], 9);
    EXPECT_FALSE(insertStyle(effects, chosen, 32, 0));
    EXPECT_FALSE(insertStyle(effects, chosen, 0, 14));
    EXPECT_EQ(firstPlayableGroup(effects), 3u);

    // With modes already there nothing is made and no group is emptied.
    EXPECT_FALSE(openStylesPage(effects, chosen, CellRect{0, 0, 9, 9}, 100));
    EXPECT_EQ(effects.programGroups[3].size(), 5u);

    removeStyle(effects, chosen, 3);
    EXPECT_TRUE(effects.programGroups[3].empty());
    EXPECT_EQ(chosen[3], kNoStyle);
    EXPECT_EQ(firstPlayableGroup(effects), 31u);
}

TEST(WizardReport, ListsTheLampCountAndEveryGroupsStyle) {
    ChosenStyles chosen = noStylesChosen();
    chosen[0] = 12;
    chosen[10] = 2;
    const auto lines =
        wizardReport(42, chosen, [](std::size_t s) { return "Style" + std::to_string(s); });
    ASSERT_EQ(lines.size(), 34u);
    EXPECT_EQ(lines[0], "Total Lamp:42");
    EXPECT_EQ(lines[1], "      ");
    EXPECT_EQ(lines[2], "Programe Group0  :  Style12");
    EXPECT_EQ(lines[3], "Programe Group1  :  ");
    EXPECT_EQ(lines[12], "Programe Group10 :  Style2");
    EXPECT_EQ(lines[33], "Programe Group31 :  ");
    EXPECT_EQ(styleItemText(7, "Scroll"), "7_Scroll");
}

}  // namespace
}  // namespace vx
