// The demo view's pop-up menu and the Live Output dialog, driven headless.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>

#include "app/ui/demo_popup_menu.h"
#include "app/ui/live_output_dialog.h"
#include "platform/language/language_table.h"
#include "tests/support/bundled_table.h"
#include "tests/support/qt_app.h"

namespace vx {
namespace {

QAction* actionWithId(QMenu* menu, int id) {
    for (QAction* a : menu->actions()) {
        if (a->data().toInt() == id) return a;
        if (a->menu() != nullptr) {
            if (QAction* inner = actionWithId(a->menu(), id)) return inner;
        }
    }
    return nullptr;
}

TEST(DemoPopupMenu, TextsChecksAndAvailabilityFollowTheDemo) {
    test::qtApplication();
    const LanguageTable english = test::bundledTable("English");
    DemoMenuState state;
    state.programGroup = 5;
    state.roundLamps = false;
    std::vector<int> ran;
    std::unique_ptr<QMenu> menu(
        buildDemoPopupMenu(nullptr, english, state, [&ran](int id) { ran.push_back(id); }));
    QAction* five = actionWithId(menu.get(), 32908);
    ASSERT_NE(five, nullptr);
    EXPECT_TRUE(five->isChecked());
    EXPECT_EQ(five->text().toStdString(), english.LookUpText("ID_PRG_5"));
    EXPECT_FALSE(actionWithId(menu.get(), 32909)->isChecked());
    EXPECT_TRUE(actionWithId(menu.get(), 32899)->isChecked());   // rectangle
    EXPECT_FALSE(actionWithId(menu.get(), 32898)->isChecked());  // circle
    EXPECT_FALSE(actionWithId(menu.get(), 32851)->isEnabled());  // widen needs a picture
    EXPECT_TRUE(actionWithId(menu.get(), 32856)->isEnabled());   // open picture before Start
    actionWithId(menu.get(), 32910)->trigger();
    actionWithId(menu.get(), 32895)->trigger();
    EXPECT_EQ(ran, (std::vector<int>{32910, 32895}));

    state.pictureOpen = true;
    state.started = true;
    std::unique_ptr<QMenu> later(
        buildDemoPopupMenu(nullptr, test::bundledTable("German"), state, [](int) {}));
    EXPECT_TRUE(actionWithId(later.get(), 32851)->isEnabled());
    EXPECT_FALSE(actionWithId(later.get(), 32856)->isEnabled());
}

// Answers the dialog that opens next: `fill` sets its controls, then OK.
void answerNextDialog(std::function<void(QDialog&)> fill) {
    QTimer::singleShot(0, [fill] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* d = qobject_cast<QDialog*>(w);
                d != nullptr && d->objectName() == "liveOutputDialog") {
                fill(*d);
                d->accept();
            }
        }
    });
}

TEST(LiveOutputDialog, ChoosesTheOutputAndTheFirstUniverse) {
    test::qtApplication();
    const LanguageTable french = test::bundledTable("French");
    answerNextDialog([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Sortie en direct"));
        EXPECT_TRUE(d.findChild<QRadioButton*>("control1402")->isChecked());  // off
        EXPECT_FALSE(d.findChild<QLineEdit*>("host")->isEnabled());
        d.findChild<QRadioButton*>("control1405")->setChecked(true);
        EXPECT_TRUE(d.findChild<QLineEdit*>("host")->isEnabled());
        d.findChild<QLineEdit*>("host")->setText(" 10.0.0.7 ");
        d.findChild<QSpinBox*>("universe")->setValue(12);
    });
    auto choice = askLiveOutput(nullptr, {}, french);
    ASSERT_TRUE(choice.has_value());
    EXPECT_EQ(*choice, (LiveOutputChoice{QStringLiteral("sacn:10.0.0.7"), 12}));

    answerNextDialog([](QDialog& d) {
        EXPECT_TRUE(d.findChild<QRadioButton*>("control1405")->isChecked());
        EXPECT_EQ(d.findChild<QLineEdit*>("host")->text(), QStringLiteral("10.0.0.7"));
        d.findChild<QRadioButton*>("control1403")->setChecked(true);
    });
    choice = askLiveOutput(nullptr, *choice, french);
    ASSERT_TRUE(choice.has_value());
    EXPECT_EQ(*choice, (LiveOutputChoice{QStringLiteral("ola"), 12}));
}

}  // namespace
}  // namespace vx
