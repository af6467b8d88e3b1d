// A designer's path through the layout view, headless: scan the committed
// photo, fix the two lamps the scan got wrong, wire two ports by dragging and
// take the wiring back.

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

#include <filesystem>

#include "layout/history/apply_scan_edit.h"
#include "layout/layout_document.h"
#include "layout/picture/picture_decoder.h"
#include "layout/picture/picture_scaling.h"
#include "layout/scan/scan_settings.h"
#include "layout/scan/scan_view_state.h"
#include "layout/ui/layout_view.h"
#include "tests/support/mouse_drag.h"
#include "tests/support/qt_app.h"

namespace vx {
namespace {

using vx::test::drag;

constexpr int kZoom = 16;

const Lamp* lampAt(const LampLayout& layout, std::int32_t x, std::int32_t y) {
    for (const auto& l : layout.lamps) {
        if (l.x == x && l.y == y) return &l;
    }
    return nullptr;
}

TEST(LayoutViewScan, ScanFixTwoLampsWireTwoPortsAndUndo) {
    test::qtApplication();
    auto picture = readPicture(std::filesystem::path(VEXOLUME_TEST_DATA) / "scan/lamp_wall.jpg");
    ASSERT_TRUE(picture.ok());
    auto doc = std::make_shared<LayoutDocument>();

    // Open Image at a 640 x 480 view, a scope dragged across the lamps,
    // the settings, and Scan with its timer.
    const ViewSize client{640, 480};
    const Picture shown = fitPicture(*picture, client);
    LampLayout settings = doc->layout();
    takeShownPicture(settings, shown, picture->width, picture->height,
                     fitFactor(picture->width, picture->height, client));
    ScanViewState scan;
    scan.armScope();
    ASSERT_TRUE(scan.press(620, 424));
    settings.scanScope = *scan.release(60, 64);
    storeScanSettings(settings, acceptScanSettings(settings, ScanSettingsEntry{1400.0, 100.0, 40}));
    const auto record = scan.startScan(settings);
    ASSERT_TRUE(record);
    ASSERT_TRUE(
        doc->apply(std::make_unique<ApplyScanEdit>(*record, scan.finishScan(shown, *record))));
    doc->setLampsShown(true);
    ASSERT_EQ(doc->layout().lamps.size(), 122u);

    LayoutView view(doc);
    view.resize(700, 500);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    view.setZoom(kZoom);
    QWidget* vp = view.viewport();
    const auto centreOf = [cells = view.cellMapping()](std::int32_t x, std::int32_t y) {
        return cells.cellRect(x, y).center();
    };

    // The reflection in the cut-away corner goes, the dead lamp comes in.
    ASSERT_NE(lampAt(doc->layout(), 13, 0), nullptr);
    ASSERT_EQ(lampAt(doc->layout(), 5, 4), nullptr);
    view.setDeleteMode();
    QTest::mouseClick(vp, Qt::LeftButton, {}, centreOf(13, 0));
    view.setInsertMode();
    QTest::mouseClick(vp, Qt::LeftButton, {}, centreOf(5, 4));
    EXPECT_EQ(lampAt(doc->layout(), 13, 0), nullptr);
    ASSERT_NE(lampAt(doc->layout(), 5, 4), nullptr);
    for (std::size_t i = 0; i < doc->layout().lamps.size(); ++i) {
        EXPECT_EQ(doc->layout().lamps[i].number, static_cast<std::int32_t>(i));
    }

    // Port 1 down the first column, port 2 along the top row, each one drag.
    const std::size_t stepsBefore = doc->history().index();
    view.setPortState(chooseOperation(choosePort({}, 1), PortOperation::Add));
    drag(vp, centreOf(0, 0), centreOf(0, 8));
    view.setPortState(chooseOperation(choosePort(view.portState(), 2), PortOperation::Add));
    drag(vp, centreOf(1, 0), centreOf(11, 0));
    EXPECT_EQ(doc->history().index(), stepsBefore + 2);
    for (std::int32_t y = 0; y <= 8; ++y) {
        const Lamp* l = lampAt(doc->layout(), 0, y);
        ASSERT_NE(l, nullptr);
        EXPECT_EQ(l->port, 1);
        EXPECT_EQ(l->portOrder, y + 1);
    }
    for (std::int32_t x = 1; x <= 11; ++x) {
        EXPECT_EQ(lampAt(doc->layout(), x, 0)->port, 2);
        EXPECT_EQ(lampAt(doc->layout(), x, 0)->portOrder, x);
    }
    // A double-click ends the port operation.
    QTest::mouseDClick(vp, Qt::LeftButton, {}, centreOf(3, 3));
    EXPECT_EQ(view.portState().operation, PortOperation::None);

    // Undo takes the wiring off in two steps.
    ASSERT_TRUE(doc->undo());
    ASSERT_TRUE(doc->undo());
    EXPECT_EQ(lampAt(doc->layout(), 0, 0)->port, 0);
}

}  // namespace
}  // namespace vx
