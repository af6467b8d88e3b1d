#include "effects/mode_sheet.h"

#include <gtest/gtest.h>

#include "effects/program_tree.h"

namespace vx {
namespace {

Mode labelled(const std::string& kind, const std::string& label) {
    Mode m = createMode(kind);
    m.label = label;
    return m;
}

EffectData threeModes() {
    EffectData fx;
    fx.modes = {labelled("CM_LEFTTORIGHT_GC", "a"), labelled("CM_KERNELBD", "b"),
                labelled("CM_REGRESS", "c")};
    return fx;
}

TEST(ModeCommit, FieldsAndTheSupplementaryMarker) {
    ModeSheetState state;
    state.beginNew("CM_LEFTTORIGHT_GC", false);
    ParameterValues v;
    v.stepDelay = 5;
    v.stepCount = 30;
    v.duration = 15;
    v.bandWidth = 2;
    v.layerCode = 7;
    v.startX = 10;
    v.startY = 13;
    v.area = {4, 8, 41, 80};
    v.label = "sweep";
    const ModeCommit c = commitMode(state, v, 4, {{kNoLampsMarker}, {1, 2, 3, 4}}, {}, 0);
    EXPECT_EQ(c.action, CommitAction::Append);
    EXPECT_EQ(c.mode.startX, 2);
    EXPECT_EQ(c.mode.startY, 3);
    EXPECT_EQ(c.mode.area, (CellRect{1, 2, 10, 20}));
    EXPECT_TRUE(c.mode.extraLamps.empty());
    EXPECT_EQ(c.mode.extraRect, (CellRect{1, 2, 3, 4}));
    EXPECT_EQ(c.mode.kindCode, 7);
    EXPECT_EQ(c.mode.label, "sweep");
    // Shown again after "&Edit": cells times the cell size.
    EXPECT_EQ(parameterValuesFor(c.mode, 4).startX, 8);
    EXPECT_EQ(parameterValuesFor(createMode("CM_KERNELBD"), 4).label, "CM_KERNELBD");

    const ModeCommit kept = commitMode(state, v, 4, {{kNoLampsMarker, 3}, {}}, {}, 0);
    EXPECT_EQ(kept.mode.extraLamps, (UintList{kNoLampsMarker, 3}));
}

TEST(ModeCommit, CustomModesWithoutListsGetMinusOne) {
    ModeSheetState state;
    state.beginNew("CM_CUSTOMMODE", false);
    state.current.clusterIndex = 3;
    EXPECT_TRUE(state.custom);
    ModeCommit c = commitMode(state, {}, 1, {}, {}, 0);
    EXPECT_EQ(c.mode.clusterIndex, -1);
    EXPECT_EQ(c.mode.clusterGroupIndex, -1);
    state.custom = false;  // lists chosen on the lamp groups page
    c = commitMode(state, {}, 1, {}, {}, 0);
    EXPECT_EQ(c.mode.clusterIndex, 3);
}

TEST(ModeCommit, InsertReplaceAndAppendPositions) {
    ModeSheetState state;
    state.beginNew("CM_EMPTYMODE", true);
    ModeCommit c = commitMode(state, {}, 1, {}, {3, 1}, 5);
    EXPECT_EQ(c.action, CommitAction::Insert);
    // Before entry 1 and before entry 3, which the first copy moved to 4.
    EXPECT_EQ(c.insertPositions, (std::vector<std::size_t>{1, 4}));
    c = commitMode(state, {}, 1, {}, {}, 0);
    EXPECT_EQ(c.insertPositions, (std::vector<std::size_t>{0}));

    const EffectData fx = threeModes();
    state.beginEdit(fx.modes, 1);
    EXPECT_EQ(state.current.label, "b");
    c = commitMode(state, parameterValuesFor(state.current, 1), 1, {}, {}, 3);
    EXPECT_EQ(c.action, CommitAction::Replace);
    EXPECT_EQ(c.replaceIndex, 1u);
    state.endCommit();
    EXPECT_EQ(commitMode(state, {}, 1, {}, {}, 3).action, CommitAction::None);
}

TEST(ProgramTreeSave, RulesOfTheEditor) {
    EffectData fx = threeModes();
    const ProgramTree empty = removeAllTree(fx.modes);
    const auto refused = programGroupsFromTree(empty, fx.modes);
    ASSERT_FALSE(refused.ok());
    EXPECT_EQ(refused.error().key, "MODEGRPEDIT_ONBTNMOK_YSIA");

    const auto all = programGroupsFromTree(insertAllTree(fx.modes), fx.modes);
    ASSERT_TRUE(all.ok());
    for (const ProgramGroup& group : all.value()) {
        ASSERT_EQ(group.size(), 3u);
        for (std::int32_t i = 0; i < 3; ++i) {
            EXPECT_EQ(group[static_cast<std::size_t>(i)].kindCode, i);
            EXPECT_EQ(group[static_cast<std::size_t>(i)].label,
                      fx.modes[static_cast<std::size_t>(i)].label);
        }
    }

    // The index before the first "_" decides, whatever the label says.
    ProgramTree tree = removeAllTree(fx.modes);
    tree.programs[3] = {"2_a_b", "x_1", "9_c", "1_"};
    const auto saved = programGroupsFromTree(tree, fx.modes);
    ASSERT_TRUE(saved.ok());
    ASSERT_EQ(saved.value()[3].size(), 2u);
    EXPECT_EQ(saved.value()[3][0].label, "c");
    EXPECT_EQ(saved.value()[3][0].kindCode, 2);
    EXPECT_EQ(saved.value()[3][1].label, "b");
    EXPECT_TRUE(saved.value()[0].empty());

    fx.programGroups = saved.value();
    const ProgramTree rebuilt = buildProgramTree(fx);
    EXPECT_EQ(rebuilt.programs[3], (std::vector<std::string>{"2_c", "1_b"}));
    EXPECT_EQ(rebuilt.existing, (std::vector<std::string>{"0_a", "1_b", "2_c"}));
    EXPECT_EQ(programItemText(31), "Program Group31");
}

TEST(ProgramTreeSave, PropertiesInPixels) {
    Mode m = createMode("CM_LEFTTORIGHT_GC");
    m.stepDelay = 5;
    m.startX = 3;
    m.area = {1, 2, 3, 4};
    m.colorIndex = -1;
    const auto props = modeProperties(m, 8);
    ASSERT_EQ(props.size(), 7u);
    EXPECT_EQ(props[0].text, "Interval:5");
    EXPECT_EQ(props[4].children, (std::vector<std::string>{"X:24", "Y:0"}));
    EXPECT_EQ(props[5].children.back(), "Y2:32");
    EXPECT_EQ(props[6].text, "Color group ID:4294967295");
}

}  // namespace
}  // namespace vx
