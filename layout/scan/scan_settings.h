#pragma once
// The scan settings dialog's values and its refusals, and what Open Image
// takes from the shown picture. Pure functions over the layout's fields, so
// that the dialog, the command-line tool and the tests share one rule.

#include <cstdint>
#include <string>
#include <vector>

#include "layout/lamp_layout.h"
#include "layout/picture/picture.h"
#include "layout/picture/picture_scaling.h"

namespace vx {

// What the user typed: Object Size and Lamp Size in millimetres, BackColor
// Scope as a whole number.
struct ScanSettingsEntry {
    double objectSize = 5000.0;
    double lampSize = 40.0;
    std::int64_t colorTolerance = 25;
};

struct ScanSettingsOutcome {
    float objectSize = 0;
    float lampSize = 0;
    std::int32_t colorTolerance = 0;
    // Message keys of the values refused, in the order the dialog reports them.
    std::vector<std::string> refusals;
};

inline ScanSettingsEntry currentScanSettings(const LampLayout& layout) {
    return {layout.objectSize, layout.lampSize, layout.colorTolerance};
}

// A lamp size must lie strictly between 1 and 1000 mm, the tolerance from 1
// to 254; a refused value keeps the layout's old one. The object size is
// taken as entered, even 0 (which makes the pitch infinite and the lattice
// empty).
ScanSettingsOutcome acceptScanSettings(const LampLayout& layout, const ScanSettingsEntry& entry);
void storeScanSettings(LampLayout& layout, const ScanSettingsOutcome& outcome);

// Open Image: the background colour is the shown pixel (10, 10) and the scope
// spans the shown picture, less 20 pels on the right. `factor` is the fit
// factor the picture was shown with; `picture` its original size.
void takeShownPicture(LampLayout& layout, const Picture& shown, std::int32_t pictureWidth,
                      std::int32_t pictureHeight, float factor);

// A scope dragged from (x0, y0) to (x1, y1), in either direction.
ScanScope normalisedScope(std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1);

}  // namespace vx
