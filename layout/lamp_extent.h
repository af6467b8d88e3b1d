#pragma once
// The rectangle of lattice cells that a set of lamps covers.

#include <cstdint>
#include <span>

#include "layout/lamp.h"

namespace vx {

struct LampExtent {
    std::int32_t minX = 0, minY = 0, maxX = 0, maxY = 0;
};

// Smallest and largest lamp x and y; all zero for no lamps.
LampExtent lampExtent(std::span<const Lamp> lamps);

}  // namespace vx
