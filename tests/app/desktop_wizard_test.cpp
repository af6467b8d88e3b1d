// The new-layout wizard reached from the File menu of the desktop program:
// its pages in turn, the windows its two endings open, and printing the
// layout it made.

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include "app/ui/command_ids.h"
#include "desktop_fixture.h"
#include "engine/ui/demo_view.h"
#include "layout/ui/layout_view.h"

namespace vx::test {
namespace {

TEST_F(Desktop, TheWizardFromTheMenuOpensADemoOrANewUnsavedLayout) {
    copyTable("English.ini");
    MainWindow* w = start();
    ASSERT_NE(w, nullptr);
    w->show();
    const auto press = [w](int control) {
        QTest::mouseClick(
            w->wizardPage()->findChild<QPushButton*>(QStringLiteral("button%1").arg(control)),
            Qt::LeftButton);
    };
    const auto shape = [w](int columns, int rows) {
        const auto boxes = w->wizardPage()->findChildren<QSpinBox*>();
        boxes[0]->setValue(columns);
        boxes[1]->setValue(rows);
    };
    const auto before = w->documentWindows().size();  // the new layout of the start

    // Start Demo: a 6 x 4 block on port 3, style 9 in program group 2.
    w->action(cmd::FileWizard)->trigger();
    ASSERT_NE(w->wizardPage(), nullptr);
    press(1193);
    shape(6, 4);
    w->wizardPage()->findChild<QComboBox*>()->setCurrentIndex(2);
    press(1193);
    w->wizardPage()->findChild<QListWidget*>()->setCurrentRow(9);
    auto* tree = w->wizardPage()->findChild<QTreeWidget*>();
    tree->setCurrentItem(tree->topLevelItem(0)->child(2));
    press(1215);
    press(1193);
    press(1208);
    EXPECT_EQ(w->wizardPage(), nullptr);
    ASSERT_EQ(w->documentWindows().size(), before + 2);
    const std::shared_ptr<LayoutDocument> made = w->documentWindows()[before]->document();
    EXPECT_EQ(made->layout().effectLamps.size(), 24u);
    EXPECT_EQ(made->layout().lamps.back().port, 3);
    EXPECT_TRUE(made->isModified() && !made->hasPath());
    DemoView* demo = w->activeDocumentWindow()->demoView();
    ASSERT_NE(demo, nullptr);
    EXPECT_EQ(demo->document().programGroup(), 2);
    EXPECT_FALSE(demo->document().adjustMode());
    EXPECT_EQ(demo->document().modeCount(), 5u);

    // Continue Edit by Finish on step 1: a 3 x 3 outline in a layout window.
    ASSERT_TRUE(w->runCommand(cmd::FileWizard));
    press(1193);
    shape(3, 3);
    w->wizardPage()->findChild<QCheckBox*>()->click();
    press(1194);
    LayoutDocument& edit = *w->activeDocumentWindow()->document();
    EXPECT_EQ(edit.layout().lamps.size(), 8u);
    EXPECT_TRUE(edit.isModified() && edit.lampsShown());
    // A Delete Lamp press at the middle of each lamp's drawn square takes
    // that lamp, and the view does not move for the mode.
    LayoutView* view = w->activeDocumentWindow()->layoutView();
    const QImage drawn = view->render();
    view->setDeleteMode();
    EXPECT_EQ(view->render(), drawn);
    const CellMapping cells = view->cellMapping();
    for (const Lamp& lamp : std::vector<Lamp>(edit.layout().lamps)) {
        const QRect square = cells.cellRect(lamp.x, lamp.y);
        EXPECT_NE(drawn.pixelColor(square.left() + 2, square.center().y()), QColor(Qt::white));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, square.center());
        EXPECT_EQ(edit.layout().lamps.size(), 7u);
        ASSERT_TRUE(edit.undo());
    }
    view->endModes();
    EXPECT_EQ(view->render(), drawn);

    // While it prints, the screen view leaves its lamps out.
    std::optional<bool> shownWhilePrinting;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (QWidget* preview = QApplication::activeModalWidget()) {
            shownWhilePrinting = edit.lampsShown();
            preview->close();
        }
    });
    poll.start(20);
    w->runCommand(cmd::FilePrintPreview);
    EXPECT_EQ(shownWhilePrinting, false);
    EXPECT_TRUE(edit.lampsShown());

    // The start page's Cancel ends a run without a window.
    ASSERT_TRUE(w->runCommand(cmd::FileWizard));
    press(2);
    EXPECT_EQ(w->wizardPage(), nullptr);
    EXPECT_EQ(w->documentWindows().size(), before + 3);
}

}  // namespace
}  // namespace vx::test
