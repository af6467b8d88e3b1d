#pragma once
// Rings round a centre for the expanding and shrinking kinds.

#include "engine/compile/bands.h"

namespace vx {

// Works inside the mode's area; every lamp there is taken (no inclusion
// rule). The centre is (startX, startY) when it lies inside the area, else
// the first lamp of the area column by column (or (startX, startY) when the
// area has none). Ring 0 is the centre cell, ring r (r >= 1) every cell not
// yet taken with (x - cx)^2 + (y - cy)^2 <= r^2, column by column. The mode
// makes right + bottom - left + 1 groups (area coordinates) of w rings each;
// empty groups are left out.
Bands buildRings(const ScanInput& in);

}  // namespace vx
