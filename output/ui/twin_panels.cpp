#include "output/ui/twin_panels.h"

#include <QImage>
#include <QPainter>

#include <algorithm>

#include "engine/play/play_geometry.h"
#include "engine/render/lamp_picture.h"
#include "layout/layout_bounds.h"

namespace vx {

LampPanel::LampPanel(std::vector<Lamp> lamps, QWidget* parent)
    : QWidget(parent), lamps_(std::move(lamps)), colours_(lamps_.size(), 0) {
    setMinimumSize(160, 120);
}

void LampPanel::setColours(std::vector<ColorWord> colours) {
    colours_ = std::move(colours);
    update();
}

void LampPanel::paintEvent(QPaintEvent*) {
    const CellRect bounds = allLampBounds(lamps_);
    const PlayGeometry geometry(bounds, fitCellSize(bounds, width(), height()), width(), height());
    Picture picture(width(), height());
    drawLamps(picture, lamps_, colours_, geometry, CellShape::Rounded);
    const QImage image(picture.rgb.data(), picture.width, picture.height, picture.width * 3,
                       QImage::Format_RGB888);
    QPainter(this).drawImage(0, 0, image);
}

DifferenceStrip::DifferenceStrip(QWidget* parent) : QWidget(parent) { setMinimumHeight(16); }

void DifferenceStrip::add(std::int64_t ms, TwinVerdict verdict) {
    marks_.push_back({ms, verdict});
    const std::int64_t oldest = ms - kStripMs;
    const auto kept =
        std::ranges::find_if(marks_, [oldest](const Mark& m) { return m.ms >= oldest; });
    marks_.erase(marks_.begin(), kept);
    update();
}

void DifferenceStrip::clear() {
    marks_.clear();
    update();
}

void DifferenceStrip::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(32, 32, 32));
    if (marks_.empty()) return;
    const std::int64_t end = std::max(marks_.back().ms, kStripMs);
    const std::int64_t begin = end - kStripMs;
    for (const Mark& m : marks_) {
        const int x = static_cast<int>((m.ms - begin) * (width() - 1) / kStripMs);
        QColor colour(40, 170, 60);  // agrees
        if (m.verdict == TwinVerdict::Unexplained) {
            colour = QColor(220, 40, 40);
        } else if (isDocumented(m.verdict)) {
            colour = QColor(230, 160, 30);
        }
        painter.fillRect(x, 0, 2, height(), colour);
    }
}

}  // namespace vx
