// What the layout and effect views draw, read back from the images they paint.

#include <QImage>

#include "app/ui/command_ids.h"
#include "desktop_fixture.h"
#include "engine/ui/effect_painter.h"
#include "engine/ui/effect_view.h"
#include "layout/history/transfer_data_edit.h"
#include "layout/ports.h"
#include "layout/ui/color_word.h"
#include "layout/ui/layout_painter.h"
#include "layout/ui/layout_view.h"

namespace vx::test {
namespace {

std::shared_ptr<LayoutDocument> twoLampDocument() {
    LampLayout layout;
    layout.lamps.push_back(Lamp::made(1, 1, 0, 8));
    Lamp wired = Lamp::made(5, 3, 1, 8);
    wired.port = 2;
    wired.portOrder = 7;
    wired.color = portColor(2);
    layout.lamps.push_back(wired);
    auto document = std::make_shared<LayoutDocument>(layout);
    document->apply(std::make_unique<TransferDataEdit>());
    document->setLampsShown(true);
    return document;
}

TEST(LayoutPainting, FittedZoomFollowsTheWiderExtentAndStopsAt20) {
    std::vector<Lamp> lamps{Lamp::made(0, 0, 0, 8), Lamp::made(99, 39, 1, 8)};
    EXPECT_EQ(fittedZoom(lamps, QSize(800, 600), 16), 8);
    lamps[1] = Lamp::made(9, 4, 1, 8);
    EXPECT_EQ(fittedZoom(lamps, QSize(800, 600), 16), 20);
    lamps[1] = Lamp::made(0, 30, 1, 8);
    EXPECT_EQ(fittedZoom(lamps, QSize(800, 600), 16), 20);
    EXPECT_EQ(fittedZoom(lamps, QSize(800, 300), 16), 10);
    // No extent at all: the zoom stays, limited to 20.
    lamps[1] = lamps[0];
    EXPECT_EQ(fittedZoom(lamps, QSize(800, 600), 16), 16);
    EXPECT_EQ(fittedZoom(lamps, QSize(800, 600), 28), 20);
}

TEST(LayoutPainting, LampsAreCentredRoundedSquaresInTheirColorWithTheChainNumber) {
    qtApplication();
    auto document = twoLampDocument();
    LayoutView view(document);
    view.resize(400, 300);
    view.setZoom(20);
    const QImage image = view.render();
    const CellMapping cells = view.cellMapping();
    // The lamps' middle cell (3, 2) sits in the middle of the view.
    EXPECT_LE(
        (cells.cellRect(3, 2).center() - QRect(QPoint(), image.size()).center()).manhattanLength(),
        2);

    // Centre of the green lamp at (1, 1); its corner stays background.
    const QPoint green = cells.cellRect(1, 1).center();
    EXPECT_EQ(image.pixelColor(green), toQColor(kGreen));
    EXPECT_EQ(image.pixelColor(green - QPoint(10, 10)), QColor(Qt::white));
    // The wired lamp shows its port colour round its white chain number.
    const QPoint wired = cells.cellRect(5, 3).center();
    EXPECT_EQ(image.pixelColor(wired + QPoint(8, 0)), toQColor(portColor(2)));
    bool whiteInside = false;
    for (int dx = -5; dx <= 5; ++dx) {
        for (int dy = -6; dy <= 6; ++dy) {
            whiteInside = whiteInside || image.pixelColor(wired + QPoint(dx, dy)) == Qt::white;
        }
    }
    EXPECT_TRUE(whiteInside);

    // Insert mode draws the lamps where they were: clicks land on them.
    view.setInsertMode();
    EXPECT_EQ(view.render(), image);
}

TEST(LayoutPainting, TheGridMarksEveryFifthLineDarker) {
    qtApplication();
    auto document = twoLampDocument();
    LayoutView view(document);
    view.resize(400, 300);
    view.setZoom(10);
    view.setGridShown(true);
    const QImage image = view.render();
    // The lines are the lamps' cell boundaries; cell 0 of every five is darker.
    const CellMapping cells = view.cellMapping();
    const int x0 = cells.cellRect(0, 0).left();
    const int y = cells.cellRect(0, 0).top() + 5;  // between two rows' lines
    EXPECT_EQ(image.pixelColor(x0, y), QColor(0x60, 0x60, 0x60));
    EXPECT_EQ(image.pixelColor(x0 + 20, y), QColor(0x40, 0x40, 0x40));
    EXPECT_EQ(image.pixelColor(x0 + 25, y), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(x0 + 50, y), QColor(0x60, 0x60, 0x60));
}

TEST(EffectPainting, CellSizeFitsTheLampsAndRefusesValuesOutside2To20) {
    std::vector<Lamp> lamps{Lamp::made(0, 0, 0, 8), Lamp::made(99, 39, 1, 8)};
    EXPECT_EQ(fittedCellSize(lamps, QSize(800, 600)), 8);
    lamps[1] = Lamp::made(9, 4, 1, 8);
    EXPECT_EQ(fittedCellSize(lamps, QSize(800, 600)), 20);
    lamps[1] = lamps[0];
    EXPECT_EQ(fittedCellSize(lamps, QSize(800, 600)), 20);

    qtApplication();
    auto document = twoLampDocument();
    EffectView view(document);
    EXPECT_FALSE(view.setCellSize(1));
    EXPECT_FALSE(view.setCellSize(21));
    EXPECT_TRUE(view.setCellSize(2));
    EXPECT_EQ(view.cellSize(), 2);
}

TEST(EffectPainting, LampsAreBlueCellsWithAWhiteOutlineAndFollowTheDocument) {
    qtApplication();
    auto document = twoLampDocument();
    EffectView view(document);
    view.resize(400, 300);
    ASSERT_TRUE(view.setCellSize(20));
    const QImage image = view.render();
    const QPoint offset = cellOffset(document->layout().effectLamps, image.size(), 20);
    const QRect cell = lampCell(document->layout().effectLamps[0], offset, 20);
    EXPECT_EQ(image.pixelColor(cell.center()), QColor(58, 110, 165));
    EXPECT_EQ(image.pixelColor(cell.center().x(), cell.top()), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(cell.topLeft()), QColor(Qt::black));  // rounded corner

    // The view draws the handed-over lamps: undoing the transfer clears it.
    ASSERT_TRUE(document->undo());
    EXPECT_EQ(view.render().pixelColor(cell.center()), QColor(Qt::black));
}

}  // namespace
}  // namespace vx::test
