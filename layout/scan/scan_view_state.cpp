#include "layout/scan/scan_view_state.h"

#include "layout/scan/lattice_scan.h"
#include "layout/scan/scan_settings.h"

namespace vx {

bool ScanViewState::press(std::int32_t x, std::int32_t y) {
    if (!scopeArmed_) return false;
    scopeArmed_ = false;
    scopeDragging_ = true;
    pressX_ = x;
    pressY_ = y;
    return true;
}

std::optional<ScanScope> ScanViewState::release(std::int32_t x, std::int32_t y) {
    if (!scopeDragging_) return std::nullopt;
    scopeDragging_ = false;
    return normalisedScope(pressX_, pressY_, x, y);
}

std::optional<ColorWord> ScanViewState::doubleClick(std::int32_t x, std::int32_t y,
                                                    const Picture& shown) {
    if (!pickBackColor_) return std::nullopt;
    pickBackColor_ = false;
    return shown.contains(x, y) ? shown.colorAt(x, y) : ColorWord{0};
}

std::optional<ScanSettingsRecord> ScanViewState::startScan(const LampLayout& layout) {
    if (!scanAllowed_) return std::nullopt;
    scanAllowed_ = false;
    scopeAllowed_ = false;
    scopeArmed_ = false;
    ScanSettingsRecord settings = ScanSettingsRecord::of(layout);
    settings.lampPitch = scanPitch(settings.scanScope, settings.objectSize, settings.lampSize);
    return settings;
}

ScanSettingsRecord ScanViewState::startEmptyLattice(const LampLayout& layout) {
    ScanSettingsRecord settings = ScanSettingsRecord::of(layout);
    settings.colorTolerance = kEmptyLatticeTolerance;
    settings.lampPitch = scanPitch(settings.scanScope, settings.objectSize, settings.lampSize);
    return settings;
}

void ScanViewState::reopenScan() {
    scanAllowed_ = true;
    scopeAllowed_ = true;
    pictureShown_ = true;
}

void ScanViewState::closeScan() {
    scanAllowed_ = false;
    scopeAllowed_ = false;
    scopeArmed_ = false;
    scopeDragging_ = false;
    pictureShown_ = false;
}

std::vector<Lamp> ScanViewState::finishScan(const Picture& shown,
                                            const ScanSettingsRecord& settings) {
    pictureShown_ = false;
    return latticeScan(shown, settings);
}

}  // namespace vx
