#include "app/ui/app_icon.h"

#include <QPainter>
#include <QPixmap>

#include <array>

namespace vx {
namespace {

QPixmap iconPixmap(int side) {
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.scale(side / 64.0, side / 64.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1c, 0x24, 0x30));
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 10, 10);
    const std::array<QColor, 9> lamps{
        QColor(255, 0, 0),   QColor(255, 200, 0),  QColor(0, 255, 0),
        QColor(0, 0, 255),   QColor(58, 110, 165), QColor(255, 0, 255),
        QColor(0, 255, 255), QColor(255, 128, 0),  QColor(0, 255, 0)};
    p.setPen(QPen(Qt::white, 1.5));
    for (int i = 0; i < 9; ++i) {
        p.setBrush(lamps[static_cast<std::size_t>(i)]);
        p.drawRoundedRect(QRectF(10 + (i % 3) * 16, 10 + (i / 3) * 16, 12, 12), 5, 5);
    }
    return pixmap;
}

}  // namespace

QIcon appIcon() {
    QIcon icon;
    for (int side : {16, 24, 32, 48, 64, 128}) icon.addPixmap(iconPixmap(side));
    return icon;
}

}  // namespace vx
