#pragma once
// LayoutBounds: the smallest and largest lamp column and row of a set of
// lamps. The orderings scan inside the bounds of the lamps on the grid; the
// views and the renderer fit and centre the bounds of all lamps.

#include <cstdint>
#include <span>

#include "layout/lamp.h"

namespace vx {

struct LayoutBounds {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = -1;  // right < left: no lamps
    std::int32_t bottom = -1;
    bool operator==(const LayoutBounds&) const = default;
};

// Lamps off the 500 x 500 grid have no cell, cannot be played and do not
// count. (0, 0, -1, -1) when no lamp is on the grid.
LayoutBounds computeLayoutBounds(std::span<const Lamp> lamps);

// Every lamp counts, on the grid or not; (0, 0, 0, 0) for no lamps, so a
// view of an empty layout is one cell wide.
LayoutBounds allLampBounds(std::span<const Lamp> lamps);

}  // namespace vx
