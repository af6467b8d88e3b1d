#include "layout/ui/layout_printer.h"

#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <cstdio>

#include "layout/print_pages.h"
#include "layout/ui/layout_painter.h"

namespace vx {

int printLayout(QPrinter& printer, const LampLayout& layout) {
    const PrintTiling tiling = printTiling(layout.lamps);
    int first = 1;
    int last = tiling.pageCount();
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        first = std::max(first, printer.fromPage());
        last = std::min(last, printer.toPage());
    }
    QPainter painter;
    if (first > last || !painter.begin(&printer)) return 0;

    const QRect page = painter.viewport();
    QFont font = painter.font();
    font.setPixelSize(std::max(8, page.height() / 60));
    const int labelHeight = font.pixelSize() * 2;
    // One fixed scale for every page: 50 columns across, 76 rows down.
    const int zoom = std::max(
        1, std::min(page.width() / kPrintColumns, (page.height() - labelHeight) / kPrintRows));
    const QSize tileSize(kPrintColumns * zoom, kPrintRows * zoom);
    int printed = 0;
    for (int n = first; n <= last; ++n) {
        if (printed > 0) printer.newPage();
        const PrintTile tile = printTile(tiling, n);
        LayoutPaintState state;
        state.cells = {zoom, QPoint(-tile.firstX * zoom, -tile.firstY * zoom)};
        painter.save();
        painter.setClipRect(QRect(QPoint(0, 0), tileSize));
        paintLayout(painter, layout, tileSize, state);
        painter.restore();
        char label[32];
        std::snprintf(label, sizeof label, "page  %d ", n);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(QRect(0, tileSize.height(), tileSize.width(), labelHeight),
                         Qt::AlignCenter, QString::fromLatin1(label));
        ++printed;
    }
    painter.end();
    return printed;
}

}  // namespace vx
