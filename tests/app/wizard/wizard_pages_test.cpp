// The wizard's pages driven headless: step 1's clamping and counts, styles
// into program groups on step 2, and the report of step 3.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QTreeWidget>

#include "app/wizard/ui/style_preview.h"
#include "app/wizard/ui/wizard_pages.h"
#include "app/wizard/wizard_styles.h"
#include "tests/support/qt_app.h"

namespace vx {
namespace {

QString englishText(const std::string& key) {
    if (key.rfind("ID_MSG_CMODEEDIT_STYLE", 0) == 0)
        return QStringLiteral("Style name ") + QString::fromStdString(key.substr(22));
    if (key == "ID_MSG_CMODEEDIT_TEXT") return QStringLiteral("Style ");
    return QString::fromStdString(key);
}

class WizardPages : public ::testing::Test {
protected:
    static void SetUpTestSuite() { test::qtApplication(); }

    void type(QSpinBox* box, const char* value) {
        box->selectAll();
        QTest::keyClicks(box, value);
        QTest::keyClick(box, Qt::Key_Return);
    }
};

TEST_F(WizardPages, StepOneClampsCountsShowsTheTotalAndBuildsTheChain) {
    WizardSession session;
    LampLayout layout;
    layout.effects.modes.push_back(createMode("CM_EMPTYMODE"));
    WizardShapePage page(session, layout);
    page.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&page));
    EXPECT_EQ(page.totalField()->text(), "100");

    type(page.columnsField(), "3");
    type(page.rowsField(), "3");
    EXPECT_TRUE(layout.effects.modes.empty());  // a new count starts over
    QTest::mouseClick(page.fillBox(), Qt::LeftButton, {}, QPoint(8, page.fillBox()->height() / 2));
    EXPECT_EQ(page.totalField()->text(), "8");

    QSignalSpy add(&page, &WizardShapePage::addRequested);
    QTest::mouseClick(page.button(1198), Qt::LeftButton);
    EXPECT_EQ(add.count(), 1);
    EXPECT_EQ(layout.lamps.size(), 8u);

    // 1 x 1 becomes 1 x 2, the row being the one typed last.
    type(page.columnsField(), "1");
    type(page.rowsField(), "1");
    EXPECT_EQ(page.rowsField()->value(), 2);
    EXPECT_TRUE(layout.lamps.empty());
    type(page.columnsField(), "2");
    type(page.rowsField(), "3");
    QTest::mouseClick(page.fillBox(), Qt::LeftButton, {}, QPoint(8, page.fillBox()->height() / 2));
    page.portBox()->setCurrentIndex(6);
    QSignalSpy next(&page, &WizardShapePage::nextRequested);
    QTest::mouseClick(page.button(1193), Qt::LeftButton);
    EXPECT_EQ(next.count(), 1);
    // Wired to the port chosen in the box; the chain's order is the wizard's rule.
    ASSERT_EQ(layout.lamps.size(), 6u);
    for (const auto& l : layout.lamps) EXPECT_EQ(l.port, 7);
}

TEST_F(WizardPages, StepTwoPutsStylesIntoProgramGroupsAndStepThreeReportsThem) {
    WizardSession session;
    LampLayout layout;
    layout.lamps = makeWizardLamps(WizardShape{4, 4, true, 1}, kWizardZoom, 8.0);
    WizardStylesPage page(session, layout, englishText);
    page.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&page));
    EXPECT_EQ(layout.effects.modes.size(), 59u);
    EXPECT_EQ(page.styleList()->count(), 14);

    QTreeWidgetItem* root = page.programTree()->topLevelItem(0);
    ASSERT_EQ(root->childCount(), 32);
    page.styleList()->setCurrentRow(9);
    EXPECT_EQ(page.description()->text(), "Style 9");
    page.programTree()->setCurrentItem(root->child(3));
    QTest::mouseClick(page.button(1215), Qt::LeftButton);
    EXPECT_EQ(layout.effects.programGroups[3].size(), 5u);
    ASSERT_EQ(root->child(3)->childCount(), 1);
    EXPECT_EQ(root->child(3)->child(0)->text(0), "9_Style name 9");
    // Inserting under the root only adds an item.
    page.programTree()->setCurrentItem(root);
    QTest::mouseClick(page.button(1215), Qt::LeftButton);
    page.styleList()->setCurrentRow(12);
    page.programTree()->setCurrentItem(root->child(0));
    QTest::mouseClick(page.button(1215), Qt::LeftButton);
    EXPECT_EQ(layout.effects.programGroups[0].size(), 15u);

    WizardReportPage report(session, layout, englishText);
    EXPECT_EQ(report.report()->item(0)->text(), "Total Lamp:16");
    EXPECT_EQ(report.report()->item(2)->text(), "Programe Group0  :  Style name 12");
    EXPECT_EQ(report.report()->item(5)->text(), "Programe Group3  :  Style name 9");
    EXPECT_TRUE(report.startDemo());

    // Removing the style's item empties its group.
    page.programTree()->setCurrentItem(root->child(3)->child(0));
    QTest::mouseClick(page.button(1216), Qt::LeftButton);
    EXPECT_TRUE(layout.effects.programGroups[3].empty());
    EXPECT_EQ(session.chosen()[3], kNoStyle);
    EXPECT_EQ(root->child(3)->childCount(), 0);

    report.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&report));
    QSignalSpy finish(&report, &WizardReportPage::finishRequested);
    QRadioButton* edit = report.endChoice(1210);
    QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(8, edit->height() / 2));
    QTest::mouseClick(report.button(1208), Qt::LeftButton);
    ASSERT_EQ(finish.count(), 1);
    EXPECT_FALSE(finish.at(0).at(0).toBool());
}

// Every style lights some lamp of the preview within its first 20 seconds.
TEST_F(WizardPages, SelectingAStyleShowsItsShowInThePreview) {
    WizardSession session;
    LampLayout layout;
    WizardStylesPage page(session, layout, englishText);
    for (int style = 0; style < static_cast<int>(kWizardStyleCount); ++style) {
        page.styleList()->setCurrentRow(style);
        ASSERT_EQ(page.preview()->style(), static_cast<std::size_t>(style));
        bool lit = false;
        for (int t = 0; t < 400 && !lit; ++t) {
            page.preview()->tick();
            lit = std::ranges::any_of(page.preview()->colors(), [](ColorWord c) { return c; });
        }
        EXPECT_TRUE(lit) << "style " << style;
    }
}

}  // namespace
}  // namespace vx
