#pragma once
// The bounds of a set of lamps: the CellRect from their smallest to their
// largest column and row. The orderings scan inside the bounds of the lamps
// on the grid; the views and the renderer fit and centre the bounds of all
// lamps.

#include <cstdint>
#include <span>

#include "base/rects.h"
#include "layout/lamp.h"

namespace vx {

// Lamps off the 500 x 500 grid have no cell, cannot be played and do not
// count. kNoCells when no lamp is on the grid.
CellRect computeLayoutBounds(std::span<const Lamp> lamps);

// Every lamp counts, on the grid or not; (0, 0, 0, 0) for no lamps, so a
// view of an empty layout is one cell wide.
CellRect allLampBounds(std::span<const Lamp> lamps);

}  // namespace vx
