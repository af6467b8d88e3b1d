// The new-layout wizard reached from the File menu of the desktop program:
// its pages in turn, and the windows its two endings open.

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include "app/ui/command_ids.h"
#include "desktop_fixture.h"
#include "engine/ui/demo_view.h"

namespace vx::test {
namespace {

class Wizard : public Desktop {
protected:
    QDialog* page() const { return window_->wizardPage(); }
    void press(int control) {
        ASSERT_NE(page(), nullptr);
        auto* button = page()->findChild<QPushButton*>(QStringLiteral("button%1").arg(control));
        ASSERT_NE(button, nullptr) << control;
        QTest::mouseClick(button, Qt::LeftButton);
    }
    void type(int field, int value) {
        auto boxes = page()->findChildren<QSpinBox*>();
        ASSERT_EQ(boxes.size(), 2);
        boxes[field]->selectAll();
        QTest::keyClicks(boxes[field], QString::number(value));
        QTest::keyClick(boxes[field], Qt::Key_Return);
    }
};

TEST_F(Wizard, FromTheMenuToADemoPlayingAndToANewUnsavedLayout) {
    copyTable("English.ini");
    ASSERT_NE(start(), nullptr);
    window_->show();
    const auto before = window_->documentWindows().size();  // the new layout of the start

    // Start Demo: a 6 x 4 block on port 3, style 9 in program group 2.
    window_->action(cmd::FileWizard)->trigger();
    ASSERT_NE(page(), nullptr);
    EXPECT_EQ(page()->windowTitle(), "New Layout Wizard");
    press(1193);
    type(0, 6);
    type(1, 4);
    page()->findChildren<QComboBox*>().front()->setCurrentIndex(2);
    press(1193);
    auto* styles = page()->findChild<QListWidget*>();
    auto* tree = page()->findChild<QTreeWidget*>();
    ASSERT_TRUE(styles && tree);
    styles->setCurrentRow(9);
    tree->setCurrentItem(tree->topLevelItem(0)->child(2));
    press(1215);
    press(1193);
    EXPECT_EQ(page()->findChild<QListWidget*>()->item(0)->text(), "Total Lamp:24");
    press(1208);
    EXPECT_EQ(page(), nullptr);

    QList<DocumentWindow*> windows = window_->documentWindows();
    ASSERT_EQ(windows.size(), before + 2);
    const std::shared_ptr<LayoutDocument> made = windows[before]->document();
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->layout().lamps.size(), 24u);
    EXPECT_EQ(made->layout().effectLamps.size(), 24u);
    EXPECT_EQ(made->layout().lamps.back().port, 3);
    EXPECT_TRUE(made->isModified());
    EXPECT_FALSE(made->hasPath());
    DemoView* demo = window_->activeDocumentWindow()->demoView();
    ASSERT_NE(demo, nullptr);
    EXPECT_EQ(demo->document().programGroup(), 2);
    EXPECT_FALSE(demo->document().adjustMode());
    EXPECT_EQ(demo->document().modeCount(), 5u);

    // Continue Edit from step 1's Finish: a 3 x 3 outline, in a layout window.
    ASSERT_TRUE(window_->runCommand(cmd::FileWizard));
    press(1193);
    type(0, 3);
    type(1, 3);
    auto* fill = page()->findChild<QCheckBox*>();
    fill->click();
    press(1194);
    EXPECT_EQ(page(), nullptr);
    DocumentWindow* edit = window_->activeDocumentWindow();
    ASSERT_NE(edit->layoutView(), nullptr);
    EXPECT_EQ(edit->document()->layout().lamps.size(), 8u);
    EXPECT_TRUE(edit->document()->isModified());
    EXPECT_NE(edit->document(), made);

    // The start page's Cancel ends a run without a window.
    ASSERT_TRUE(window_->runCommand(cmd::FileWizard));
    press(2);
    EXPECT_EQ(page(), nullptr);
    EXPECT_EQ(window_->documentWindows().size(), before + 3);
}

TEST_F(Wizard, ThePrintPreviewOfItsLayoutLeavesTheLampsOffTheScreenMeanwhile) {
    copyTable("English.ini");
    ASSERT_NE(start(), nullptr);
    window_->show();
    ASSERT_TRUE(window_->runCommand(cmd::FileWizard));
    press(1193);
    press(1194);
    LayoutDocument& doc = *window_->activeDocumentWindow()->document();
    ASSERT_TRUE(doc.lampsShown());
    std::optional<bool> shownWhilePrinting;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* preview = QApplication::activeModalWidget();
        if (preview == nullptr) return;
        shownWhilePrinting = doc.lampsShown();
        preview->close();
    });
    poll.start(20);
    window_->runCommand(cmd::FilePrintPreview);
    poll.stop();
    EXPECT_EQ(shownWhilePrinting, false);
    EXPECT_TRUE(doc.lampsShown());
}

}  // namespace
}  // namespace vx::test
