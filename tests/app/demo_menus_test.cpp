// The Live Output dialog, driven headless.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>

#include "app/ui/live_output_dialog.h"
#include "platform/language/language_table.h"
#include "tests/support/bundled_table.h"
#include "tests/support/qt_app.h"

namespace vx {
namespace {

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
