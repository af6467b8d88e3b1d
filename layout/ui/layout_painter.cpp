#include "layout/ui/layout_painter.h"

#include <QFont>
#include <QHash>
#include <QImage>
#include <QPen>

#include <algorithm>

#include "layout/layout_bounds.h"
#include "layout/ports.h"
#include "layout/ui/color_word.h"

namespace vx {
namespace {

void paintGrid(QPainter& painter, QSize client, const LayoutPaintState& state) {
    const QPen minor(QColor(0x40, 0x40, 0x40));
    const QPen major(QColor(0x60, 0x60, 0x60));
    // The boundaries of the cells on the client area, from the first one
    // visible; every fifth counts from cell 0.
    const CellMapping& m = state.cells;
    const QPoint first = m.cellAt(QPoint(0, 0));
    for (int i = first.x(); m.cellRect(i, 0).left() <= client.width(); ++i) {
        painter.setPen(i % 5 == 0 ? major : minor);
        const int x = m.cellRect(i, 0).left();
        painter.drawLine(x, 0, x, client.height());
    }
    for (int j = first.y(); m.cellRect(0, j).top() <= client.height(); ++j) {
        painter.setPen(j % 5 == 0 ? major : minor);
        const int y = m.cellRect(0, j).top();
        painter.drawLine(0, y, client.width(), y);
    }
}

}  // namespace

int fittedZoom(const std::vector<Lamp>& lamps, QSize client, int current) {
    if (lamps.empty()) return std::min(current, kMaxFittedZoom);
    const auto e = allLampBounds(lamps);
    const int w = e.right - e.left;
    const int h = e.bottom - e.top;
    int zoom = current;
    if (w > h) {
        zoom = client.width() / w;
    } else if (h > 0) {
        zoom = client.height() / h;
    }
    return std::clamp(zoom, 1, kMaxFittedZoom);
}

void paintLayout(QPainter& painter, const LampLayout& layout, QSize client,
                 const LayoutPaintState& state) {
    if (state.showGrid) paintGrid(painter, client, state);
    const auto& lamps = layout.lamps;
    if (lamps.empty()) return;

    const int z = state.cells.zoom;
    const int corner = z * 9 / 10;
    QFont font(QStringLiteral("Century Gothic"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(std::max(1, z * 2 / 3));
    painter.setFont(font);
    painter.setRenderHint(QPainter::Antialiasing, false);  // exact cells, as read back
    // A layout has few colours: each lamp square is drawn once per colour
    // into a sprite and copied from there, and only squares that meet the
    // part being painted are drawn at all.
    QHash<ColorWord, QImage> sprites;
    auto sprite = [&](ColorWord color) -> const QImage& {
        auto it = sprites.find(color);
        if (it != sprites.end()) return *it;
        QImage image(z + 1, z + 1, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing, false);
        const QColor fill = toQColor(color);
        p.setPen(fill);
        p.setBrush(fill);
        // Corner size is the ellipse's full width and height, as in the
        // rounded rectangles of the Windows drawing calls.
        p.drawRoundedRect(QRect(0, 0, z, z), corner / 2.0, corner / 2.0);
        p.end();
        return *sprites.insert(color, image);
    };
    const QRect painted = painter.hasClipping() ? painter.clipBoundingRect().toAlignedRect()
                                                : QRect(QPoint(0, 0), client);
    for (const auto& lamp : lamps) {
        const QRect square = state.cells.cellRect(lamp.x, lamp.y);
        // The outline reaches one pel past the square on the right and bottom.
        if (!painted.intersects(square.adjusted(0, 0, 1, 1))) continue;
        // A wired lamp shows its port's colour even when a file stored another.
        painter.drawImage(square.topLeft(),
                          sprite(lamp.port > 0 ? portColor(lamp.port) : lamp.color));
        if (lamp.port > 0) {
            painter.setPen(Qt::white);
            painter.drawText(square, Qt::AlignCenter, QString::number(lamp.portOrder));
        }
    }
}

}  // namespace vx
