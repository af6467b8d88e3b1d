#pragma once
// The lattice scan: a square lattice of pitch `lampPitch` laid over the scan
// scope of the shown picture, one sample per cell, and a lamp for every cell
// whose sample is not background. Lamps come out numbered from 0 in column
// order: column 0 top to bottom, then column 1, and so on.

#include <cstdint>
#include <vector>

#include "layout/lamp_layout.h"
#include "layout/picture/picture.h"

namespace vx {

// (right - left) x lampSize / objectSize in double precision. Infinite for an
// object size of 0; the lattice then has no cells.
double scanPitch(const ScanScope& scope, float objectSize, float lampSize);

struct LatticeSize {
    std::int32_t columns = 0;
    std::int32_t rows = 0;
    bool operator==(const LatticeSize&) const = default;
};

// trunc(width / pitch) by trunc(height / pitch). A pitch that is not a
// positive number gives no cells, and the lattice stops at the lamp grid's
// 500 x 500 cells, beyond which a lamp could not be placed or played.
LatticeSize latticeSize(const ScanScope& scope, double pitch);

// Background when every channel lies within `tolerance` of the background's.
bool isBackground(ColorWord pixel, ColorWord back, std::int64_t tolerance);

// The fields of a layout that a scan reads and sets.
struct ScanSettingsRecord {
    ColorWord backColor = 0;
    ScanScope scanScope;
    float objectSize = 0;
    float lampSize = 0;
    std::int32_t colorTolerance = 0;
    double lampPitch = 0;

    static ScanSettingsRecord of(const LampLayout& layout);
    void storeIn(LampLayout& layout) const;
    bool operator==(const ScanSettingsRecord&) const = default;
};

// Scans `shown` (client pels of the view, picture at the top-left) with the
// settings' scope, pitch, background and tolerance. A sample outside the
// shown picture counts as background.
std::vector<Lamp> latticeScan(const Picture& shown, const ScanSettingsRecord& settings);

// The Scan command on the layout: sets the pitch from the settings. The
// lattice scan runs afterwards (in the view, after its timer).
void prepareScan(LampLayout& layout);

// The empty-lattice commands: a tolerance no channel can exceed, then the
// pitch, so that the scan finds the lattice but no lamp.
void prepareEmptyLattice(LampLayout& layout);
inline constexpr std::int32_t kEmptyLatticeTolerance = 0x808080;

}  // namespace vx
