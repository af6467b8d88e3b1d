#include "layout/lamp_grid.h"

#include <algorithm>

namespace vx {

LampGrid::LampGrid(std::span<const Lamp> lamps) : LampGrid() {
    for (const auto& lamp : lamps) set(lamp.x, lamp.y, lamp.number);
}

void LampGrid::clear() { std::fill(cells_.begin(), cells_.end(), kEmpty); }

}  // namespace vx
