#include <gtest/gtest.h>

#include <memory>

#include "layout/history/color_group_edit.h"
#include "layout/history/delete_mode_edit.h"
#include "layout/history/insert_mode_edit.h"
#include "layout/history/intern_list_edit.h"
#include "layout/history/layer_edit.h"
#include "layout/history/program_groups_edit.h"
#include "layout/history/replace_mode_edit.h"

namespace vx {
namespace {

Mode named(const std::string& kind, const std::string& label) {
    Mode m = createMode(kind);
    m.label = label;
    m.colors = {1, 2, 3};
    return m;
}

// Three modes; program 0 plays 2, 0, 1 and program 7 plays 1 twice.
LampLayout start() {
    LampLayout layout;
    EffectData& fx = layout.effects;
    fx.modes = {named("CM_LEFTTORIGHT_GC", "a"), named("CM_KERNELBD", "b"),
                named("CM_CUSTOMMODE", "c")};
    for (std::int32_t i : {2, 0, 1}) {
        Mode entry = fx.modes[static_cast<std::size_t>(i)];
        entry.kindCode = i;
        fx.programGroups[0].push_back(entry);
    }
    Mode one = fx.modes[1];
    one.kindCode = 1;
    fx.programGroups[7] = {one, one};
    fx.clusters = {{4, 5}, {6}};
    fx.clusterGroups = {{0, 1}};
    fx.layers[2] = {9, 3};
    return layout;
}

// Do, undo back to the start exactly, redo to the same result. Returns the
// result for the caller's own checks.
LampLayout doUndoRedo(Edit& edit) {
    const LampLayout before = start();
    LampLayout layout = before;
    edit.redo(layout);
    const LampLayout done = layout;
    edit.undo(layout);
    EXPECT_EQ(layout, before) << edit.textKey();
    edit.redo(layout);
    EXPECT_EQ(layout, done) << edit.textKey();
    return done;
}

// An edit that finds nothing to do leaves the layout as it was.
bool changesNothing(Edit& edit) {
    LampLayout layout = start();
    edit.redo(layout);
    return !edit.changedAnything() && layout == start();
}

TEST(EffectEdits, InsertModesRenumbersProgramsAndUndoesExactly) {
    InsertModeEdit edit({0, 2}, named("CM_REGRESS", "new"), "ID_UNDO_MODE_INSERT");
    const LampLayout done = doUndoRedo(edit);
    const auto& fx = done.effects;
    ASSERT_EQ(fx.modes.size(), 5u);
    EXPECT_EQ(fx.modes[0].label, "new");
    EXPECT_EQ(fx.modes[2].label, "new");
    EXPECT_EQ(fx.modes[3].label, "b");
    // Entry "c" (was 2) now names 4; "a" (0) names 1; "b" (1) names 3.
    EXPECT_EQ(fx.programGroups[0][0].kindCode, 4);
    EXPECT_EQ(fx.programGroups[0][1].kindCode, 1);
    EXPECT_EQ(fx.programGroups[0][2].kindCode, 3);
    EXPECT_EQ(edit.textKey(), "ID_UNDO_MODE_INSERT");

    const LampLayout base = start();
    auto append = InsertModeEdit::append(base, named("CM_EMPTYMODE", "end"));
    EXPECT_EQ(doUndoRedo(*append).effects.modes.back().label, "end");
}

TEST(EffectEdits, DeleteModeRemovesItsEntriesAndUndoPutsThemBack) {
    DeleteModeEdit first(0);
    const LampLayout done = doUndoRedo(first);
    EXPECT_EQ(done.effects.modes.front().label, "b");
    ASSERT_EQ(done.effects.programGroups[0].size(), 2u);
    EXPECT_EQ(done.effects.programGroups[0][0].kindCode, 1);
    EXPECT_EQ(done.effects.programGroups[0][1].kindCode, 0);

    DeleteModeEdit middle(1);  // both entries of program 7 go
    EXPECT_TRUE(doUndoRedo(middle).effects.programGroups[7].empty());
    EXPECT_TRUE(middle.changedAnything());

    DeleteModeEdit missing(3);
    EXPECT_TRUE(changesNothing(missing));
}

TEST(EffectEdits, ReplaceModeAndColorGroupKeepProgramCopies) {
    Mode changed = start().effects.modes[1];
    changed.stepDelay = 40;
    changed.label = "b2";
    ReplaceModeEdit replace(1, changed);
    const LampLayout done = doUndoRedo(replace);
    EXPECT_EQ(done.effects.modes[1], changed);
    EXPECT_EQ(done.effects.programGroups[7][0].label, "b");

    ColorGroupEdit colors(2, {255, 0, 0, 0, 0, 255});
    EXPECT_EQ(doUndoRedo(colors).effects.modes[2].colors, (UintList{255, 0, 0, 0, 0, 255}));
    ColorGroupEdit same(2, {1, 2, 3});
    EXPECT_TRUE(changesNothing(same));
}

TEST(EffectEdits, InterningSharesEqualListsAndUndoesOnlyAppends) {
    const LampLayout base = start();
    EXPECT_EQ(InternListEdit::indexIn(base, ListTable::Clusters, {4, 5}), 0);
    EXPECT_EQ(InternListEdit::indexIn(base, ListTable::Clusters, {5, 4}), 2);

    InternListEdit shared(ListTable::Clusters, {4, 5});
    EXPECT_EQ(doUndoRedo(shared).effects.clusters.size(), 2u);
    EXPECT_FALSE(shared.changedAnything());
    EXPECT_EQ(shared.index(), 0);

    InternListEdit reordered(ListTable::Clusters, {5, 4});
    EXPECT_EQ(doUndoRedo(reordered).effects.clusters.back(), (UintList{5, 4}));
    EXPECT_EQ(reordered.index(), 2);

    InternListEdit group(ListTable::ClusterGroups, {1, 0});
    EXPECT_EQ(doUndoRedo(group).effects.clusterGroups.size(), 2u);
    EXPECT_EQ(group.index(), 1);
}

TEST(EffectEdits, ProgramGroupsSaveKeepsOnlyChangedGroups) {
    std::array<ProgramGroup, kProgramGroupCount> groups = start().effects.programGroups;
    groups[0].clear();
    groups[31] = {start().effects.modes[0]};
    ProgramGroupsEdit edit(groups);
    const LampLayout done = doUndoRedo(edit);
    EXPECT_TRUE(done.effects.programGroups[0].empty());
    EXPECT_EQ(done.effects.programGroups[7].size(), 2u);
    EXPECT_EQ(done.effects.programGroups[31].size(), 1u);

    ProgramGroupsEdit unchanged(start().effects.programGroups);
    EXPECT_TRUE(changesNothing(unchanged));
}

TEST(EffectEdits, LayerClicksMergeIntoOneStep) {
    LayerEdit add(3, 7, LayerEdit::Action::Add, 5);
    EXPECT_EQ(doUndoRedo(add).effects.layers[2], (Layer{9, 3, 7}));
    LayerEdit remove(3, 9, LayerEdit::Action::Remove);
    EXPECT_EQ(doUndoRedo(remove).effects.layers[2], (Layer{3}));

    // A stroke: add 7, add 8, remove 9; one undo restores the start.
    LampLayout layout = start();
    LayerEdit first(3, 7, LayerEdit::Action::Add, 5);
    first.redo(layout);
    LayerEdit second(3, 8, LayerEdit::Action::Add, 5);
    second.redo(layout);
    LayerEdit third(3, 9, LayerEdit::Action::Remove, 5);
    third.redo(layout);
    EXPECT_TRUE(first.mergeWith(second));
    EXPECT_TRUE(first.mergeWith(third));
    EXPECT_FALSE(first.mergeWith(remove));  // stroke 0 never merges
    first.undo(layout);
    EXPECT_EQ(layout, start());
    first.redo(layout);
    EXPECT_EQ(layout.effects.layers[2], (Layer{3, 7, 8}));

    LayerEdit outside(51, 1, LayerEdit::Action::Add);
    EXPECT_TRUE(changesNothing(outside));
}

}  // namespace
}  // namespace vx
