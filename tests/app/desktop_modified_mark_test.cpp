// The modified mark in the title bar: every kind of edit sets it, undo back
// to the saved state and a save (from any window of the document) clear it,
// and closing or quitting asks about each modified document.

#include <QMessageBox>

#include <functional>

#include "app/ui/command_ids.h"
#include "desktop_fixture.h"
#include "layout/history/apply_scan_edit.h"
#include "layout/history/color_group_edit.h"
#include "layout/history/delete_lamp_edit.h"
#include "layout/history/delete_mode_edit.h"
#include "layout/history/grouped_edit.h"
#include "layout/history/insert_lamp_edit.h"
#include "layout/history/insert_mode_edit.h"
#include "layout/history/intern_list_edit.h"
#include "layout/history/layer_edit.h"
#include "layout/history/program_groups_edit.h"
#include "layout/history/replace_mode_edit.h"
#include "layout/history/transfer_data_edit.h"
#include "layout/history/wire_port_edit.h"

namespace vx::test {
namespace {

class ModifiedMark : public Desktop {
protected:
    // The sample, copied so that saving it writes into the test's folder.
    MainWindow* startWithCopy() {
        std::filesystem::copy_file(kSample, folder_.path() / "show.led");
        MainWindow* w = start((folder_.path() / "show.led").string());
        if (w != nullptr) w->show();
        return w;
    }
    // The title bar as shown: the "[*]" placeholder becomes "*" or nothing.
    static QString shownTitle(const MainWindow& w) {
        QString title = w.windowTitle();
        return title.replace(QStringLiteral("[*]"), w.isWindowModified() ? "*" : "");
    }
};

using MakeEdit = std::function<std::unique_ptr<Edit>(const LampLayout&)>;

TEST_F(ModifiedMark, EveryKindOfEditMarksTheTitleAndUndoBackToTheSavedStateClearsIt) {
    MainWindow* w = startWithCopy();
    ASSERT_NE(w, nullptr);
    LayoutDocument& doc = *w->activeDocumentWindow()->document();
    ASSERT_FALSE(doc.layout().effects.modes.empty());
    EXPECT_EQ(shownTitle(*w), "Vexolume - [show.led]");

    const auto cellOf = [](const Lamp& l) { return LatticeCell{l.x, l.y}; };
    const std::pair<const char*, MakeEdit> edits[] = {
        {"insert lamp",
         [](const LampLayout&) {
             return std::make_unique<InsertLampEdit>(LatticeCell{400, 400});
         }},
        {"delete lamp",
         [&](const LampLayout& l) { return std::make_unique<DeleteLampEdit>(cellOf(l.lamps[0])); }},
        {"wire port",
         [&](const LampLayout& l) {
             PortEditState state = chooseOperation(choosePort({}, 1), PortOperation::Remove);
             return std::make_unique<WirePortEdit>(cellOf(l.lamps[0]), state);
         }},
        {"scan",
         [](const LampLayout& l) {
             ScanSettingsRecord s = ScanSettingsRecord::of(l);
             s.colorTolerance = s.colorTolerance == 40 ? 41 : 40;
             return std::make_unique<ApplyScanEdit>(
                 s, std::vector<Lamp>{Lamp::made(450, 450, 0, 8)}, "ID_EDIT_SCAN", true);
         }},
        {"transfer data", [](const LampLayout&) { return std::make_unique<TransferDataEdit>(); }},
        {"color group",
         [](const LampLayout&) {
             return std::make_unique<ColorGroupEdit>(0, UintList{1, 2, 3});
         }},
        {"delete mode", [](const LampLayout&) { return std::make_unique<DeleteModeEdit>(0); }},
        {"insert mode",
         [](const LampLayout& l) {
             return std::make_unique<InsertModeEdit>(std::vector<std::size_t>{0},
                                                     l.effects.modes[0], "ID_UNDO_MODE_ADD");
         }},
        {"replace mode",
         [](const LampLayout& l) {
             Mode mode = l.effects.modes[0];
             mode.stepDelay += 1;
             return std::make_unique<ReplaceModeEdit>(0, mode);
         }},
        {"lamp list",
         [](const LampLayout&) {
             return std::make_unique<InternListEdit>(ListTable::Clusters, UintList{0, 1, 2, 3});
         }},
        {"layer",
         [](const LampLayout&) {
             return std::make_unique<LayerEdit>(7, 0, LayerEdit::Action::Add);
         }},
        {"program groups",
         [](const LampLayout& l) {
             auto groups = l.effects.programGroups;
             std::swap(groups[0], groups[31]);
             if (groups == l.effects.programGroups) groups[31].push_back(l.effects.modes[0]);
             return std::make_unique<ProgramGroupsEdit>(groups);
         }},
        {"grouped",
         [](const LampLayout&) {
             auto group = std::make_unique<GroupedEdit>("ID_EDIT_SCAN", LayoutChange::Lamps);
             group->add(std::make_unique<InsertLampEdit>(LatticeCell{401, 400}));
             group->add(std::make_unique<InsertLampEdit>(LatticeCell{402, 400}));
             return group;
         }},
    };
    for (const auto& [name, make] : edits) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(doc.apply(make(doc.layout())));
        EXPECT_EQ(shownTitle(*w), "Vexolume - [show.led*]");
        ASSERT_TRUE(w->runCommand(cmd::EditUndo));
        EXPECT_EQ(shownTitle(*w), "Vexolume - [show.led]");
        ASSERT_TRUE(w->runCommand(cmd::EditRedo));
        EXPECT_EQ(shownTitle(*w), "Vexolume - [show.led*]");
        ASSERT_TRUE(w->runCommand(cmd::EditUndo));
    }

    // Saved from the effect window: clean in every window, and undo from
    // there marks it again.
    ASSERT_TRUE(doc.apply(edits[0].second(doc.layout())));
    ASSERT_TRUE(w->runCommand(cmd::TransferData));
    ASSERT_EQ(w->activeDocumentWindow()->kind(), DocumentKind::Effect);
    EXPECT_TRUE(shownTitle(*w).endsWith("*]"));
    ASSERT_TRUE(w->runCommand(cmd::FileSave));
    EXPECT_FALSE(doc.isModified());
    EXPECT_FALSE(shownTitle(*w).contains('*'));
    ASSERT_TRUE(w->runCommand(cmd::EditUndo));
    EXPECT_TRUE(shownTitle(*w).endsWith("*]"));
}

TEST_F(ModifiedMark, QuittingAsksAboutEachModifiedDocument) {
    MainWindow* w = startWithCopy();
    ASSERT_NE(w, nullptr);
    ASSERT_TRUE(w->activeDocumentWindow()->document()->apply(
        std::make_unique<InsertLampEdit>(LatticeCell{400, 400})));
    ASSERT_NE(w->newLayout(), nullptr);
    ASSERT_TRUE(w->activeDocumentWindow()->document()->apply(
        std::make_unique<InsertLampEdit>(LatticeCell{3, 3})));
    ASSERT_NE(w->newLayout(), nullptr);  // unmodified: not asked about

    answer_ = QMessageBox::Cancel;
    EXPECT_FALSE(w->close());
    EXPECT_EQ(questions_, QStringList{"Save changes to show.led?"});
    EXPECT_EQ(w->documentWindows().size(), 3);

    questions_.clear();
    answer_ = QMessageBox::No;
    EXPECT_TRUE(w->close());
    EXPECT_EQ(questions_, (QStringList{"Save changes to show.led?", "Save changes to Edit1?"}));
}

}  // namespace
}  // namespace vx::test
