#include "engine/ui/effect_painter.h"

#include <algorithm>

namespace vx {
namespace {

struct Extent {
    int minX, maxX, minY, maxY;
};

Extent extentOf(const std::vector<Lamp>& lamps) {
    Extent e{lamps.front().x, lamps.front().x, lamps.front().y, lamps.front().y};
    for (const auto& l : lamps) {
        e.minX = std::min(e.minX, l.x);
        e.maxX = std::max(e.maxX, l.x);
        e.minY = std::min(e.minY, l.y);
        e.maxY = std::max(e.maxY, l.y);
    }
    return e;
}

}  // namespace

int fittedCellSize(const std::vector<Lamp>& lamps, QSize client) {
    if (lamps.empty()) return kMaxCellSize;
    const auto e = extentOf(lamps);
    const int w = e.maxX - e.minX;
    const int h = e.maxY - e.minY;
    int cell = kMaxCellSize;
    if (h >= w && h > 0) {
        cell = client.height() / h;
    } else if (w > 0) {
        cell = client.width() / w;
    }
    return std::clamp(cell, 1, kMaxCellSize);
}

QPoint cellOffset(const std::vector<Lamp>& lamps, QSize client, int cellSize) {
    if (lamps.empty()) return {};
    const auto e = extentOf(lamps);
    return {(client.width() - (e.maxX + e.minX) * cellSize) / 2,
            (client.height() - (e.maxY + e.minY) * cellSize) / 2};
}

QRect lampCell(const Lamp& lamp, QPoint offset, int cellSize) {
    const int cx = lamp.x * cellSize + offset.x();
    const int cy = lamp.y * cellSize + offset.y();
    const int half = cellSize / 2;
    return QRect(QPoint(cx - half, cy - half), QPoint(cx + half, cy + half));
}

void paintEffectLamps(QPainter& painter, const std::vector<Lamp>& lamps, QSize client,
                      int cellSize) {
    if (lamps.empty()) return;
    const QPoint offset = cellOffset(lamps, client, cellSize);
    const double corner = (cellSize * 9 / 10) / 2.0;
    painter.setRenderHint(QPainter::Antialiasing, false);  // exact cells, as read back
    painter.setPen(Qt::white);
    painter.setBrush(QColor(58, 110, 165));
    for (const auto& lamp : lamps) {
        painter.drawRoundedRect(lampCell(lamp, offset, cellSize), corner, corner);
    }
}

}  // namespace vx
