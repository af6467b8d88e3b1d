#include "engine/compile/layout_bounds.h"

#include <algorithm>

#include "layout/lamp_grid.h"

namespace vx {

LayoutBounds computeLayoutBounds(std::span<const Lamp> lamps) {
    LayoutBounds b;
    bool any = false;
    for (const auto& lamp : lamps) {
        if (!LampGrid::inside(lamp.x, lamp.y)) continue;
        if (!any) b = LayoutBounds{lamp.x, lamp.y, lamp.x, lamp.y};
        any = true;
        b.left = std::min(b.left, lamp.x);
        b.top = std::min(b.top, lamp.y);
        b.right = std::max(b.right, lamp.x);
        b.bottom = std::max(b.bottom, lamp.y);
    }
    return b;
}

}  // namespace vx
