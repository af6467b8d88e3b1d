#include "layout/lamp_extent.h"

#include <algorithm>

namespace vx {

LampExtent lampExtent(std::span<const Lamp> lamps) {
    if (lamps.empty()) return {};
    LampExtent e{lamps.front().x, lamps.front().y, lamps.front().x, lamps.front().y};
    for (const Lamp& lamp : lamps) {
        e.minX = std::min(e.minX, lamp.x);
        e.minY = std::min(e.minY, lamp.y);
        e.maxX = std::max(e.maxX, lamp.x);
        e.maxY = std::max(e.maxY, lamp.y);
    }
    return e;
}

}  // namespace vx
