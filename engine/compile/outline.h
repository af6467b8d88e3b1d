#pragma once
// The two lamp orders of the frame and kernel kinds. They follow the shape
// of the lamps in the mode's grid and ignore the inclusion rule: the area
// only says where to look for starting points.

#include "engine/compile/scan_input.h"

namespace vx {

// Boundary lamps (a lamp with an empty or off-grid neighbour among its four,
// or in row 0 or column 0), outline by outline. The area is visited column
// by column; each boundary lamp not yet listed starts an outline, which is
// followed neighbour by neighbour (left, lower-left, lower, lower-right,
// right, upper-right, upper, upper-left from the upper-left probe) until it
// comes back to its first lamp. The outline may leave the area.
UintList traceSideFrame(const ScanInput& in);

// The lamps of the area, column by column, whose four neighbours all hold lamps.
UintList collectKernel(const ScanInput& in);

}  // namespace vx
