#include "layout/scan/scan_settings.h"

#include <algorithm>

namespace vx {

ScanSettingsOutcome acceptScanSettings(const LampLayout& layout, const ScanSettingsEntry& entry) {
    ScanSettingsOutcome out{layout.objectSize, layout.lampSize, layout.colorTolerance, {}};
    if (entry.lampSize > 1.0 && entry.lampSize < 1000.0) {
        out.lampSize = static_cast<float>(entry.lampSize);
    } else {
        out.refusals.emplace_back("EDITIMGVIEW_ONSCANSETOTHER_PIT");
    }
    out.objectSize = static_cast<float>(entry.objectSize);
    if (entry.colorTolerance >= 1 && entry.colorTolerance <= 254) {
        out.colorTolerance = static_cast<std::int32_t>(entry.colorTolerance);
    } else {
        out.refusals.emplace_back("EDITIMGVIEW_ONSCANSETOTHER_PITV");
    }
    return out;
}

void storeScanSettings(LampLayout& layout, const ScanSettingsOutcome& outcome) {
    layout.objectSize = outcome.objectSize;
    layout.lampSize = outcome.lampSize;
    layout.colorTolerance = outcome.colorTolerance;
}

void takeShownPicture(LampLayout& layout, const Picture& shown, std::int32_t pictureWidth,
                      std::int32_t pictureHeight, float factor) {
    // A picture too small to reach (10, 10) leaves the view's black behind it.
    layout.backColor = shown.contains(10, 10) ? shown.colorAt(10, 10) : 0;
    layout.scanScope =
        ScanScope{1, 1, shownExtent(pictureWidth, factor) - 20, shownExtent(pictureHeight, factor)};
}

ScanScope normalisedScope(std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1) {
    return ScanScope{std::min(x0, x1), std::min(y0, y1), std::max(x0, x1), std::max(y0, y1)};
}

}  // namespace vx
