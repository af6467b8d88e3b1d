// The layout view's picture scanning: the picture shown behind the lattice,
// the settings taken from it and the timed scan.

#include <QTimer>

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
    QTimer::singleShot(kScanDelayMs, this, [this, s = *settings] { finishScan(s); });
    return true;
}

bool LayoutView::startEmptyLattice() {
    const ScanSettingsRecord settings = scan_.startEmptyLattice(document_->layout());
    QTimer::singleShot(kScanDelayMs, this, [this, settings] { finishScan(settings); });
    return true;
}

void LayoutView::finishScan(const ScanSettingsRecord& settings) {
    std::vector<Lamp> found = scan_.finishScan(shown_, settings);
    document_->closeStep();
    document_->apply(std::make_unique<ApplyScanEdit>(settings, std::move(found)));
    document_->setLampsShown(true);
    viewport()->update();
    Q_EMIT scanFinished();
}

void LayoutView::togglePicture() {
    scan_.togglePicture();
    viewport()->update();
}

}  // namespace vx
