// Clicks land where the lamps are drawn: for every lamp of a layout, at
// several zooms, scroll positions and sizes, the pointer over the middle of
// its drawn square reads its cell, and a Delete Lamp or port click there
// takes that lamp. Entering a mode or hovering moves nothing.

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <filesystem>
#include <functional>

#include "layout/history/apply_scan_edit.h"
#include "layout/layout_document.h"
#include "layout/picture/picture_decoder.h"
#include "layout/ports.h"
#include "layout/scan/scan_settings.h"
#include "layout/ui/color_word.h"
#include "layout/ui/layout_view.h"
#include "tests/support/qt_app.h"

namespace vx {
namespace {

const std::filesystem::path kSourceDir = VEXOLUME_SOURCE_DIR;

const Lamp* lampAt(const LampLayout& layout, std::int32_t x, std::int32_t y) {
    for (const auto& l : layout.lamps) {
        if (l.x == x && l.y == y) return &l;
    }
    return nullptr;
}

std::shared_ptr<LayoutDocument> opened(const std::filesystem::path& path) {
    auto doc = LayoutDocument::open(path);
    EXPECT_TRUE(doc.ok());
    return doc ? std::shared_ptr<LayoutDocument>(std::move(doc.value())) : nullptr;
}

// Lamps far from cell (0, 0), in an irregular shape, as a hand-made layout.
std::shared_ptr<LayoutDocument> farAway() {
    LampLayout layout;
    std::int32_t n = 0;
    for (std::int32_t x = 0; x < 9; ++x) {
        for (std::int32_t y = 0; y <= x % 4; ++y)
            layout.lamps.push_back(Lamp::made(140 + x * 2, 230 + y, n++, 8));
    }
    auto doc = std::make_shared<LayoutDocument>(layout);
    doc->setLampsShown(true);
    return doc;
}

// A new document whose lamps come from a scan in the view itself, as a user
// makes them: the view has drawn nothing but the picture before.
void scanInto(LayoutView& view) {
    auto picture = readPicture(std::filesystem::path(VEXOLUME_TEST_DATA) / "scan/lamp_wall.jpg");
    ASSERT_TRUE(picture.ok());
    ASSERT_TRUE(view.openPicture(*picture));
    ScanSettingsRecord settings = ScanSettingsRecord::of(view.document().layout());
    settings.scanScope = {60, 64, 620, 424};
    settings.objectSize = 1400;
    settings.lampSize = 100;
    settings.colorTolerance = 40;
    ASSERT_TRUE(view.document().apply(
        std::make_unique<ApplyScanEdit>(settings, std::vector<Lamp>{}, "ID_SCAN_SETOTHER")));
    QSignalSpy finished(&view, &LayoutView::scanFinished);
    ASSERT_TRUE(view.startScan());
    ASSERT_TRUE(finished.wait(5000));
    ASSERT_GT(view.document().layout().lamps.size(), 50u);
}

QColor fillOf(const Lamp& lamp) {
    return toQColor(lamp.port > 0 ? portColor(lamp.port) : lamp.color);
}

// How many pels of `rect` in `image` have `color`.
int pelsOf(const QImage& image, QRect rect, QColor color) {
    int count = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) count += image.pixelColor(x, y) == color;
    }
    return count;
}

void hover(QWidget* viewport, QPoint at) {
    QMouseEvent move(QEvent::MouseMove, at, viewport->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(viewport, &move);
}

// Every lamp fully in sight is drawn round the middle of its cell, read
// there by the pointer, and deleted (and then undone) by a click there.
// Returns how many lamps were tried.
int checkEveryLamp(LayoutView& view) {
    LayoutDocument& doc = view.document();
    const QImage before = view.render();
    const QRect client(QPoint(0, 0), view.viewport()->size());

    // Entering the modes moves nothing.
    view.setDeleteMode();
    EXPECT_EQ(view.render(), before);
    view.setPortState(chooseOperation(choosePort({}, 3), PortOperation::Add));
    EXPECT_EQ(view.render(), before);
    view.setDeleteMode();

    QSignalSpy cells(&view, &LayoutView::pointerCell);
    const CellMapping cellsNow = view.cellMapping();
    const std::vector<Lamp> lamps = doc.layout().lamps;
    int tried = 0;
    for (const Lamp& lamp : lamps) {
        const QRect square = cellsNow.cellRect(lamp.x, lamp.y);
        if (!client.contains(square)) continue;
        ++tried;
        SCOPED_TRACE(testing::Message() << "lamp " << lamp.number << " at " << lamp.x << ","
                                        << lamp.y << " zoom " << view.zoom());
        // Drawn there: most of the square in the lamp's colour.
        EXPECT_GE(pelsOf(before, square, fillOf(lamp)), square.width() * square.height() / 4);
        const QPoint middle = square.center();
        hover(view.viewport(), middle);
        if (cells.isEmpty()) {
            ADD_FAILURE() << "no pointer cell";
            continue;
        }
        EXPECT_EQ(cells.last(), (QVariantList{lamp.x, lamp.y}));
        const std::size_t count = doc.layout().lamps.size();
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, middle);
        EXPECT_EQ(doc.layout().lamps.size(), count - 1);
        EXPECT_EQ(lampAt(doc.layout(), lamp.x, lamp.y), nullptr);
        if (doc.layout().lamps.size() != count) {
            EXPECT_TRUE(doc.undo());
        }
    }
    // A port click on a drawn lamp wires it, or takes a wired one off.
    if (tried > 0) {
        const Lamp& first = *std::find_if(lamps.begin(), lamps.end(), [&](const Lamp& l) {
            return client.contains(cellsNow.cellRect(l.x, l.y));
        });
        const bool wired = first.port > 0;
        view.endModes();
        view.setPortState(chooseOperation(choosePort({}, wired ? first.port : 3),
                                          wired ? PortOperation::Remove : PortOperation::Add));
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {},
                          cellsNow.cellRect(first.x, first.y).center());
        const Lamp* clicked = lampAt(doc.layout(), first.x, first.y);
        EXPECT_TRUE(clicked != nullptr && clicked->port == (wired ? 0 : 3));
        EXPECT_TRUE(doc.undo());
    }
    view.endModes();
    // Nothing was left edited, so nothing has moved.
    EXPECT_EQ(view.render(), before);
    return tried;
}

struct Start {
    const char* name;
    std::function<void(std::shared_ptr<LayoutDocument>&, LayoutView*&)> make;
};

TEST(LayoutViewCells, APressAtTheMiddleOfADrawnLampHitsItInEveryState) {
    test::qtApplication();
    const Start starts[] = {
        {"sample just opened",
         [](auto& doc, LayoutView*& view) {
             doc = opened(kSourceDir / "examples" / "sample.led");
             view = new LayoutView(doc);
         }},
        {"far-away lamps",
         [](auto& doc, LayoutView*& view) {
             doc = farAway();
             view = new LayoutView(doc);
         }},
        {"after a scan",
         [](auto& doc, LayoutView*& view) {
             doc = std::make_shared<LayoutDocument>();
             view = new LayoutView(doc);
             view->resize(700, 520);
             view->show();
             scanInto(*view);
         }},
    };
    for (const Start& start : starts) {
        SCOPED_TRACE(start.name);
        std::shared_ptr<LayoutDocument> doc;
        LayoutView* view = nullptr;
        start.make(doc, view);
        ASSERT_NE(view, nullptr);
        std::unique_ptr<LayoutView> owner(view);
        view->resize(700, 520);
        view->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view));

        // As first drawn, with the zoom the view fitted.
        EXPECT_GT(checkEveryLamp(*view), 0);
        const std::size_t steps = doc->history().index();
        int tried = 0;
        for (const int zoom : {5, 13, 28}) {
            view->setZoom(zoom);
            for (const QSize size : {QSize(700, 520), QSize(433, 611)}) {
                view->resize(size);
                for (const QPoint scroll : {QPoint(0, 0), QPoint(37, 211), QPoint(2900, 4400)}) {
                    view->horizontalScrollBar()->setValue(scroll.x());
                    view->verticalScrollBar()->setValue(scroll.y());
                    tried += checkEveryLamp(*view);
                }
            }
        }
        EXPECT_GT(tried, static_cast<int>(doc->layout().lamps.size()));
        EXPECT_EQ(doc->history().index(), steps);
    }
}

TEST(LayoutViewCells, TheFirstInsertOfANewViewLandsUnderThePointerAndStays) {
    test::qtApplication();
    auto doc = std::make_shared<LayoutDocument>();
    LayoutView view(doc);
    view.resize(600, 400);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    view.setInsertMode();
    const QPoint at(300, 200);
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, at);
    ASSERT_EQ(doc->layout().lamps.size(), 1u);
    const Lamp lamp = doc->layout().lamps[0];
    EXPECT_EQ(view.cellMapping().cellAt(at), QPoint(lamp.x, lamp.y));
    // Drawn under the pointer, and a second click beside it adds its neighbour.
    const QRect square = view.cellMapping().cellRect(lamp.x, lamp.y);
    EXPECT_TRUE(square.contains(at));
    EXPECT_GE(pelsOf(view.render(), square, fillOf(lamp)), square.width() * square.height() / 3);
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, at + QPoint(view.zoom(), 0));
    ASSERT_EQ(doc->layout().lamps.size(), 2u);
    EXPECT_NE(lampAt(doc->layout(), lamp.x + 1, lamp.y), nullptr);
}

}  // namespace
}  // namespace vx
