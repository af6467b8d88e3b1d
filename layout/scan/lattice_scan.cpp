#include "layout/scan/lattice_scan.h"

#include <cmath>

#include "layout/lamp_grid.h"

namespace vx {
namespace {

std::int32_t cellsAcross(std::int32_t extent, double pitch) {
    const double cells = extent / pitch;
    if (!(cells > 0)) return 0;  // NaN too
    if (cells >= LampGrid::kSize) return LampGrid::kSize;
    return static_cast<std::int32_t>(cells);
}

bool channelNear(ColorWord pixel, ColorWord back, int shift, std::int64_t tolerance) {
    const std::int64_t c = (pixel >> shift) & 0xFF;
    const std::int64_t b = (back >> shift) & 0xFF;
    return c <= b + tolerance && c >= b - tolerance;
}

}  // namespace

double scanPitch(const ScanScope& scope, float objectSize, float lampSize) {
    return static_cast<double>(scope.right - scope.left) * static_cast<double>(lampSize) /
           static_cast<double>(objectSize);
}

LatticeSize latticeSize(const ScanScope& scope, double pitch) {
    if (!(pitch > 0)) return {};
    return {cellsAcross(scope.right - scope.left, pitch),
            cellsAcross(scope.bottom - scope.top, pitch)};
}

bool isBackground(ColorWord pixel, ColorWord back, std::int64_t tolerance) {
    return channelNear(pixel, back, 0, tolerance) && channelNear(pixel, back, 8, tolerance) &&
           channelNear(pixel, back, 16, tolerance);
}

ScanSettingsRecord ScanSettingsRecord::of(const LampLayout& layout) {
    return {layout.backColor, layout.scanScope,      layout.objectSize,
            layout.lampSize,  layout.colorTolerance, layout.lampPitch};
}

void ScanSettingsRecord::storeIn(LampLayout& layout) const {
    layout.backColor = backColor;
    layout.scanScope = scanScope;
    layout.objectSize = objectSize;
    layout.lampSize = lampSize;
    layout.colorTolerance = colorTolerance;
    layout.lampPitch = lampPitch;
}

std::vector<Lamp> latticeScan(const Picture& shown, const ScanSettingsRecord& settings) {
    const double p = settings.lampPitch;
    const LatticeSize size = latticeSize(settings.scanScope, p);
    std::vector<Lamp> lamps;
    if (size.columns == 0 || size.rows == 0) return lamps;
    // Cells exist only for a finite pitch below the scope's extent.
    const auto diameter = static_cast<std::int32_t>(p);
    std::int32_t n = 0;
    for (std::int32_t i = 0; i < size.columns; ++i) {
        const auto x = static_cast<std::int32_t>(settings.scanScope.left + p * i);
        for (std::int32_t j = 0; j < size.rows; ++j) {
            const auto y = static_cast<std::int32_t>(settings.scanScope.top + p * j);
            if (!shown.contains(x, y)) continue;
            if (isBackground(shown.colorAt(x, y), settings.backColor, settings.colorTolerance)) {
                continue;
            }
            lamps.push_back(Lamp::made(i, j, n++, diameter));
        }
    }
    return lamps;
}

void prepareScan(LampLayout& layout) {
    layout.lampPitch = scanPitch(layout.scanScope, layout.objectSize, layout.lampSize);
}

void prepareEmptyLattice(LampLayout& layout) {
    layout.colorTolerance = kEmptyLatticeTolerance;
    prepareScan(layout);
}

}  // namespace vx
