// The layout dialogs and the tools panel, driven headless as a user would,
// and printing to PDF.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>

#include <regex>
#include <tuple>

#include "layout/print_pages.h"
#include "layout/ui/insert_position_dialog.h"
#include "layout/ui/layout_printer.h"
#include "layout/ui/layout_tools_panel.h"
#include "layout/ui/port_edit_dialog.h"
#include "layout/ui/scan_settings_dialog.h"
#include "tests/support/qt_app.h"
#include "tests/support/temp_folder.h"

namespace vx {
namespace {

class LayoutDialogs : public ::testing::Test {
protected:
    static void SetUpTestSuite() { test::qtApplication(); }
};

void clickOk(QDialog& dialog) {
    auto* buttons = dialog.findChild<QDialogButtonBox*>();
    QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
}

TEST_F(LayoutDialogs, ScanSettingsShowTheCurrentValuesAndTheRefusalsFollowTheRules) {
    LampLayout layout;
    ScanSettingsDialog dialog(currentScanSettings(layout));
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    auto* object = dialog.findChild<QLineEdit*>("objectSize");
    auto* lamp = dialog.findChild<QLineEdit*>("lampSize");
    auto* tolerance = dialog.findChild<QLineEdit*>("tolerance");
    EXPECT_EQ(object->text(), "5000");
    EXPECT_EQ(lamp->text(), "40");
    EXPECT_EQ(tolerance->text(), "25");

    const auto typeAndAccept = [&](const char* o, const char* l, const char* t) {
        for (auto [field, text] :
             {std::pair{object, o}, std::pair{lamp, l}, std::pair{tolerance, t}}) {
            field->clear();
            QTest::keyClicks(field, text);
        }
        clickOk(dialog);
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        return acceptScanSettings(layout, dialog.entry());
    };
    auto out = typeAndAccept("3000", "1000", "255");
    EXPECT_EQ(out.refusals, (std::vector<std::string>{"EDITIMGVIEW_ONSCANSETOTHER_PIT",
                                                      "EDITIMGVIEW_ONSCANSETOTHER_PITV"}));
    EXPECT_EQ(out.objectSize, 3000.0f);
    EXPECT_EQ(out.lampSize, 40.0f);
    out = typeAndAccept("0", "1.01", "1");
    EXPECT_TRUE(out.refusals.empty());
    EXPECT_EQ(out.lampSize, 1.01f);
    // A control id on every caption, for the language tables.
    EXPECT_EQ(dialog.findChildren<QLabel*>().size(), 3);
    for (auto* label : dialog.findChildren<QLabel*>()) {
        EXPECT_TRUE(label->property("controlId").isValid()) << label->text().toStdString();
    }
}

TEST_F(LayoutDialogs, PortEditProposesTheNextPortAndEnablesWhatTheOperationUses) {
    PortEditState state;
    EXPECT_EQ(PortEditDialog(state).portField()->value(), 1);
    state.currentPort = 4;
    PortEditDialog dialog(state);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_EQ(dialog.portField()->value(), 5);
    EXPECT_EQ(dialog.positionField()->value(), 0);

    for (auto [operation, port, position] : {std::tuple{PortOperation::Add, true, false},
                                             std::tuple{PortOperation::Remove, false, false},
                                             std::tuple{PortOperation::Insert, true, true}}) {
        QTest::mouseClick(dialog.button(operation), Qt::LeftButton);
        EXPECT_EQ(dialog.portField()->isEnabled(), port);
        EXPECT_EQ(dialog.positionField()->isEnabled(), position);
    }

    // The ranges refuse what lies outside them.
    dialog.portField()->setValue(13);
    EXPECT_EQ(dialog.portField()->value(), 12);
    dialog.positionField()->setValue(9999);
    EXPECT_EQ(dialog.positionField()->value(), 9998);
    dialog.portField()->setValue(3);
    dialog.positionField()->setValue(2);
    clickOk(dialog);
    EXPECT_EQ(dialog.accepted(), (PortEditState{3, 2, 0, PortOperation::Insert}));
}

TEST_F(LayoutDialogs, ToolsPanelChoosesPortsAndOperationsAndReadsThePointer) {
    LayoutToolsPanel panel;
    panel.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
    QSignalSpy spy(&panel, &LayoutToolsPanel::portStateChanged);
    // On the round indicator: the button is wider than what it draws.
    QRadioButton* seven = panel.portButton(7);
    QTest::mouseClick(seven, Qt::LeftButton, {}, QPoint(8, seven->height() / 2));
    EXPECT_EQ(panel.portState().currentPort, 7);
    QTest::mouseClick(panel.addButton(), Qt::LeftButton);
    EXPECT_EQ(panel.portState().operation, PortOperation::Add);
    QTest::mouseClick(panel.deleteButton(), Qt::LeftButton);
    EXPECT_EQ(panel.portState().operation, PortOperation::Remove);

    // INSERT asks for the place through the Insert Position dialog.
    panel.setInsertPositionAsker([] {
        InsertPositionDialog dialog;
        dialog.positionField()->setValue(3);
        return std::optional<int>(dialog.position());
    });
    QTest::mouseClick(panel.insertButton(), Qt::LeftButton);
    EXPECT_EQ(panel.portState(), (PortEditState{7, 2, 0, PortOperation::Insert}));
    EXPECT_EQ(spy.count(), 4);

    LampLayout layout;
    layout.lamps = {Lamp::made(0, 0, 0, 8), Lamp::made(2, 5, 1, 8)};
    layout.lamps[1].port = 3;
    layout.lamps[1].portOrder = 9;
    panel.showReadout(readPointer(layout, 2, 5, 12));
    for (auto [name, text] :
         std::initializer_list<std::pair<const char*, const char*>>{std::pair{"x", "2"},
                                                                    {"zoom", "12"},
                                                                    {"id", "1"},
                                                                    {"total", "2"},
                                                                    {"port", "3"},
                                                                    {"lamp", "9"}}) {
        EXPECT_EQ(panel.field(name)->text(), text) << name;
    }
    panel.showReadout(readPointer(layout, 1, 1, 12));
    EXPECT_EQ(panel.field("id")->text(), "-");

    panel.setPortState(PortEditState{2, 0, 0, PortOperation::Add});
    EXPECT_TRUE(panel.portButton(2)->isChecked());
    EXPECT_FALSE(panel.portButton(7)->isChecked());
}

TEST_F(LayoutDialogs, PagesAreTilesOf50By76CellsNumberedDownEachColumn) {
    std::vector<Lamp> lamps = {Lamp::made(3, 2, 0, 8), Lamp::made(3 + 50, 2 + 76, 1, 8)};
    PrintTiling t = printTiling(lamps);
    EXPECT_EQ(t.across, 2);
    EXPECT_EQ(t.down, 2);
    const PrintTile second = printTile(t, 2);
    EXPECT_EQ(second.column, 0);
    EXPECT_EQ(second.row, 1);
    EXPECT_EQ(second.firstY, 78);
    EXPECT_EQ(printTile(t, 3).firstX, 53);
    lamps[1].x = 52;  // an extent of 49 columns fits one page across
    lamps[1].y = 77;
    EXPECT_EQ(printTiling(lamps).pageCount(), 1);
}

TEST_F(LayoutDialogs, A120ColumnLayoutPrintsThreePagesAcross) {
    LampLayout layout;
    for (std::int32_t x = 0; x < 120; ++x) {
        for (std::int32_t y = 0; y < 10; ++y) {
            layout.lamps.push_back(
                Lamp::made(x, y, static_cast<std::int32_t>(layout.lamps.size()), 8));
        }
    }
    test::TempFolder folder;
    const auto pdf = folder.path() / "layout.pdf";
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(pdf.string()));
    EXPECT_EQ(printLayout(printer, layout), 3);

    const std::string bytes = test::readText(pdf);
    const std::regex page("/Type\\s*/Page[^s]");
    EXPECT_EQ(std::distance(std::sregex_iterator(bytes.begin(), bytes.end(), page),
                            std::sregex_iterator()),
              3);
}

}  // namespace
}  // namespace vx
