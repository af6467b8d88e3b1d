// The mode editing sheet in the desktop program: opened from the effect
// window, picking on the effect view, and Layer Edit clicks.

#include <algorithm>

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "app/ui/command_ids.h"
#include "app/ui/commands/mode_edit_command.h"
#include "desktop_fixture.h"
#include "engine/ui/demo_view.h"
#include "engine/ui/effect_painter.h"
#include "engine/ui/effect_view.h"
#include "engine/ui/sheet/mode_list_page.h"
#include "engine/ui/sheet/mode_parameter_page.h"
#include "engine/ui/sheet/mode_sheet_dialog.h"
#include "engine/ui/sheet/page_widgets.h"

namespace vx::test {
namespace {

class EffectEditing : public Desktop {
protected:
    EffectView* startEffectWindow() {
        MainWindow* w = start(kSample.string());
        if (w == nullptr || !w->runCommand(cmd::TransferData)) return nullptr;
        EffectView* view = w->activeDocumentWindow()->effectView();
        view->resize(600, 400);
        view->setCellSize(10);
        return view;
    }

    // The centre of lamp `index`'s cell on the view.
    static QPoint lampPoint(EffectView* view, std::size_t index) {
        const auto& lamps = view->document().layout().effectLamps;
        return lampCell(lamps[index], cellOffset(lamps, view->size(), view->cellSize()),
                        view->cellSize())
            .center();
    }
};

TEST_F(EffectEditing, EditModeOpensTheSheetWhichPicksOnTheView) {
    EffectView* view = startEffectWindow();
    ASSERT_NE(view, nullptr);
    ASSERT_TRUE(window_->action(cmd::ModeEdit)->isEnabled());
    ASSERT_TRUE(window_->runCommand(cmd::ModeEdit));
    auto* sheet = view->findChild<ModeSheetDialog*>();
    ASSERT_NE(sheet, nullptr);
    EXPECT_TRUE(sheet->isVisible());
    EXPECT_EQ(sheet->windowTitle(), "Edit Mode");

    const std::size_t before = view->document().layout().effects.modes.size();
    // A new sweep; its start point is picked on the view.
    auto* kinds = sheet->modeListPage()->kindList();
    const auto items = kinds->findItems("CM_LEFTTORIGHT_GC", Qt::MatchExactly);
    kinds->setCurrentItem(items.front());
    sheet->modeListPage()->add();
    sheet->showPage(SheetPage::Parameter);
    sheet->parameterPage()->findChildren<QPushButton*>()[0]->click();  // "&Start"
    EXPECT_FALSE(sheet->isVisible());
    EXPECT_TRUE(view->picking());
    const Lamp lamp = view->document().layout().effectLamps[3];
    QTest::mouseClick(view, Qt::LeftButton, {}, lampPoint(view, 3));
    QTest::mouseDClick(view, Qt::LeftButton, {}, lampPoint(view, 3));
    EXPECT_TRUE(sheet->isVisible());
    EXPECT_FALSE(view->picking());
    EXPECT_EQ(sheet->currentPage(), SheetPage::Parameter);
    EXPECT_EQ(sheet->parameterPage()->startField(0)->text(), QString::number(lamp.x * 10));
    sheet->parameterPage()->commit();
    const auto& modes = view->document().layout().effects.modes;
    ASSERT_EQ(modes.size(), before + 1);
    EXPECT_EQ(modes.back().startX, lamp.x);
    EXPECT_EQ(modes.back().startY, lamp.y);
    EXPECT_EQ(sheet->modeListPage()->modeList()->count(), static_cast<int>(before + 1));
    // The commit is a step of the document's history.
    ASSERT_TRUE(window_->runCommand(cmd::EditUndo));
    EXPECT_EQ(modes.size(), before);
    EXPECT_EQ(sheet->modeListPage()->modeList()->count(), static_cast<int>(before));
}

TEST_F(EffectEditing, LayerEditClicksAreUndoableSteps) {
    EffectView* view = startEffectWindow();
    ASSERT_NE(view, nullptr);
    const Layer before = view->document().layout().effects.layers[4];
    view->setEditedLayer(5, false);
    QTest::mouseClick(view, Qt::LeftButton, {}, lampPoint(view, 0));
    QTest::mouseClick(view, Qt::LeftButton, {}, lampPoint(view, 2));
    Layer expected = before;
    for (std::uint32_t p : {0u, 2u}) {
        if (std::find(expected.begin(), expected.end(), p) == expected.end()) expected.push_back(p);
    }
    EXPECT_EQ(view->document().layout().effects.layers[4], expected);
    // Both clicks of the session are one step.
    ASSERT_TRUE(window_->runCommand(cmd::EditUndo));
    EXPECT_EQ(view->document().layout().effects.layers[4], before);
}

// "&Area": a new mode's area is the whole layout (16 x 10 lamps); a drag
// marks its rectangle's lamps blue, and the double click inside it that
// brings the sheet back keeps it.
TEST_F(EffectEditing, AreaDraggedOnTheViewIsShownBlueAndKeptByTheDoubleClick) {
    EffectView* view = startEffectWindow();
    ASSERT_NE(view, nullptr);
    ASSERT_TRUE(window_->runCommand(cmd::ModeEdit));
    auto* sheet = view->findChild<ModeSheetDialog*>();
    auto* kinds = sheet->modeListPage()->kindList();
    kinds->setCurrentItem(kinds->findItems("CM_LEFTTORIGHT_GC", Qt::MatchExactly).front());
    sheet->modeListPage()->add();
    sheet->showPage(SheetPage::Parameter);
    const auto corners = [sheet] {
        QStringList texts;
        for (int i = 0; i < 4; ++i) texts << sheet->parameterPage()->areaField(i)->text();
        return texts;
    };
    EXPECT_EQ(corners(), (QStringList{"0", "0", "150", "90"}));
    qobject_cast<QPushButton*>(controlWidget(sheet->parameterPage(), 1041))->click();
    const auto at = [view](int x, int y) {  // lamps are numbered in column order
        return lampPoint(view, static_cast<std::size_t>(x * 10 + y));
    };
    QTest::mousePress(view, Qt::LeftButton, {}, at(2, 1));
    QTest::mouseMove(view, at(5, 4));
    QTest::mouseRelease(view, Qt::LeftButton, {}, at(5, 4));
    const QImage shown = view->render();
    EXPECT_EQ(shown.pixelColor(at(3, 2)), QColor(0, 0, 255));
    EXPECT_EQ(shown.pixelColor(at(6, 2)), QColor(58, 110, 165));
    QTest::mouseDClick(view, Qt::LeftButton, {}, at(4, 3));
    EXPECT_TRUE(sheet->isVisible());
    EXPECT_EQ(corners(), (QStringList{"20", "10", "50", "40"}));  // cells times 10 pixels
}

}  // namespace
}  // namespace vx::test
