#include "engine/ui/effect_painter.h"

#include <algorithm>

namespace vx {

int fittedCellSize(const std::vector<Lamp>& lamps, QSize client) {
    return fitCellSize(allLampBounds(lamps), client.width(), client.height());
}

QPoint cellOffset(const std::vector<Lamp>& lamps, QSize client, int cellSize) {
    if (lamps.empty()) return {};
    const auto e = allLampBounds(lamps);
    return {(client.width() - (e.right + e.left) * cellSize) / 2,
            (client.height() - (e.bottom + e.top) * cellSize) / 2};
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

void paintMarkedLamps(QPainter& painter, const std::vector<Lamp>& lamps,
                      const std::vector<std::uint32_t>& numbers, QSize client, int cellSize,
                      QColor color) {
    if (lamps.empty() || numbers.empty()) return;
    const QPoint offset = cellOffset(lamps, client, cellSize);
    const double corner = (cellSize * 9 / 10) / 2.0;
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::white);
    painter.setBrush(color);
    for (const auto& lamp : lamps) {
        const auto n = static_cast<std::uint32_t>(lamp.number);
        if (std::find(numbers.begin(), numbers.end(), n) == numbers.end()) continue;
        painter.drawRoundedRect(lampCell(lamp, offset, cellSize), corner, corner);
    }
}

int lampAtCell(const std::vector<Lamp>& lamps, QPoint cell) {
    for (const auto& lamp : lamps) {
        if (lamp.x == cell.x() && lamp.y == cell.y()) return lamp.number;
    }
    return -1;
}

QPoint cellAt(const std::vector<Lamp>& lamps, QSize client, int cellSize, QPoint pixel) {
    const QPoint offset = cellOffset(lamps, client, cellSize);
    const int c = std::max(cellSize, 1);
    return {(pixel.x() - offset.x() + c / 2) / c, (pixel.y() - offset.y() + c / 2) / c};
}

}  // namespace vx
