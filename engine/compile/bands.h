#pragma once
// The band builders of the group kinds. Each returns its bands in play
// order, one lamp list per band that takes a lamp; a band's lamps are
// collected column by column (rows top to bottom within a column) with the
// inclusion rule. w is the mode's bandWidth, 1 when below 1.

#include <vector>

#include "engine/compile/scan_input.h"

namespace vx {

using Bands = std::vector<UintList>;

// Bands of w columns from startX to the right bound, then from the left
// bound up to startX - 1, when left < startX <= right; otherwise from the
// left bound.
Bands buildColumnBands(const ScanInput& in);

// Bands of w rows from startY to the bottom bound, then from the top bound
// up to startY - 1, when the area has top < startY <= bottom; otherwise from
// the top bound.
Bands buildRowBands(const ScanInput& in);

// Bands of w lines x + y = const, each the lines an anti-diagonal scan from
// its anchor visits: anchors along the top row, then down the right column,
// then (when the start's x + y lies strictly inside the area's) the anchors
// of the top row before the start band.
Bands buildAntiDiagonalBands(const ScanInput& in);

// Bands of w lines x - y = const, anchored along the bottom row, then up the
// right column, then the bottom-row anchors before the start band.
Bands buildDiagonalBands(const ScanInput& in);

}  // namespace vx
