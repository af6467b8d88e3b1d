// The layout view's picture scanning: the picture shown behind the lattice,
// the settings taken from it and the timed scan.

#include <QPainter>
#include <QTimer>

#include "layout/layout_bounds.h"
#include "layout/scan/lattice_scan.h"
#include "layout/scan/scan_settings.h"
#include "layout/ui/layout_view.h"

namespace vx {

namespace {

QImage imageOf(const Picture& picture) {
    QImage image(picture.width, picture.height, QImage::Format_RGB888);
    const auto rowBytes = static_cast<std::size_t>(picture.width) * 3;
    for (std::int32_t y = 0; y < picture.height; ++y) {
        std::copy_n(picture.rgb.begin() + static_cast<std::ptrdiff_t>(picture.offset(0, y)),
                    rowBytes, image.scanLine(y));
    }
    return image;
}

}  // namespace

void LayoutView::paintScope(QPainter& painter) const {
    if (!scan_.scopeAllowed()) return;
    QRect scope;
    if (scan_.scopeDragging()) {
        scope = QRect(QPoint(scan_.pressX(), scan_.pressY()), scopeEnd_).normalized();
    } else {
        const ScanScope& s = document_->layout().scanScope;
        scope = QRect(QPoint(s.left, s.top), QPoint(s.right, s.bottom)).normalized();
    }
    // Dashes of both colours stay visible on a dark wall and a light one.
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(scope);
    painter.setPen(QPen(Qt::white, 1, Qt::DashLine));
    painter.drawRect(scope);
    if (!scan_.scopeDragging()) paintSamplePoints(painter);
    painter.restore();
}

void LayoutView::paintSamplePoints(QPainter& painter) const {
    // The scan reads one pixel per cell, at the cell's top left corner: a
    // mark there shows whether the scope and sizes put it on the lamps.
    const LampLayout& layout = document_->layout();
    const double p = scanPitch(layout.scanScope, layout.objectSize, layout.lampSize);
    // Marks closer than this would hide the picture they are meant to explain.
    constexpr double kClosestMarks = 8.0;
    if (!(p >= kClosestMarks)) return;
    const LatticeSize size = latticeSize(layout.scanScope, p);
    painter.setPen(QPen(QColor(0, 255, 255), 1));
    for (std::int32_t i = 0; i < size.columns; ++i) {
        const auto x = static_cast<int>(layout.scanScope.left + p * i);
        for (std::int32_t j = 0; j < size.rows; ++j) {
            const auto y = static_cast<int>(layout.scanScope.top + p * j);
            painter.drawLine(x - 2, y, x + 2, y);
            painter.drawLine(x, y - 2, x, y + 2);
        }
    }
}

bool LayoutView::applyScanSettings(const ScanSettingsRecord& settings, std::string_view textKey) {
    if (settings == ScanSettingsRecord::of(document_->layout())) return false;
    return document_->apply(
        std::make_unique<ApplyScanEdit>(settings, std::vector<Lamp>{}, textKey));
}

bool LayoutView::openPicture(const Picture& picture) {
    const ViewSize client{viewport()->width(), viewport()->height()};
    const float factor = fitFactor(picture.width, picture.height, client);
    if (factor <= 0) return false;
    shown_ = fitPicture(picture, client);
    shownImage_ = imageOf(shown_);
    if (!scan_.pictureShown()) scan_.togglePicture();
    LampLayout taken = document_->layout();
    takeShownPicture(taken, shown_, picture.width, picture.height, factor);
    applyScanSettings(ScanSettingsRecord::of(taken), "ID_OPEN_IMAGE");
    viewport()->update();
    return true;
}

bool LayoutView::startScan() {
    const auto settings = scan_.startScan(document_->layout());
    if (!settings) return false;
    // The picture stays on screen a moment before the lamps replace it.
    QTimer::singleShot(kScanDelayMs, this, [this, s = *settings] { finishScan(s, true); });
    return true;
}

bool LayoutView::startEmptyLattice() {
    const ScanSettingsRecord settings = scan_.startEmptyLattice(document_->layout());
    QTimer::singleShot(kScanDelayMs, this, [this, settings] { finishScan(settings, false); });
    return true;
}

void LayoutView::finishScan(const ScanSettingsRecord& settings, bool fromScan) {
    std::vector<Lamp> found = scan_.finishScan(shown_, settings);
    const int count = static_cast<int>(found.size());
    document_->closeStep();
    const bool applied = document_->apply(
        std::make_unique<ApplyScanEdit>(settings, std::move(found), "ID_EDIT_SCAN", fromScan));
    // A scan that changed nothing left no step to undo: it may run again.
    if (fromScan && !applied) scan_.reopenScan();
    document_->setLampsShown(true);
    // The lamps now stand for the picture: the view centres them.
    const auto& lamps = document_->layout().lamps;
    if (placed_ && !lamps.empty()) {
        centredOn_ = allLampBounds(lamps);
        placedClient_ = viewport()->size();
    }
    viewport()->update();
    const LatticeSize lattice = latticeSize(settings.scanScope, settings.lampPitch);
    Q_EMIT scanFinished(count, lattice.columns, lattice.rows, settings.lampPitch);
}

void LayoutView::followScanStep() {
    // The Scan command's step decides whether Scan may run: undoing it
    // brings the picture and the command back, redoing it takes them away.
    const auto* undone = dynamic_cast<const ApplyScanEdit*>(document_->history().nextRedo());
    const auto* done = dynamic_cast<const ApplyScanEdit*>(document_->history().nextUndo());
    if (undone != nullptr && undone->fromScan() && !scan_.scanAllowed()) {
        scan_.reopenScan();
    } else if (done != nullptr && done->fromScan() && scan_.scanAllowed()) {
        scan_.closeScan();
    }
}

void LayoutView::togglePicture() {
    scan_.togglePicture();
    viewport()->update();
}

}  // namespace vx
