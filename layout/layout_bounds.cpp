#include "layout/layout_bounds.h"

#include <algorithm>

#include "layout/lamp_grid.h"

namespace vx {
namespace {

void include(CellRect& b, const Lamp& lamp) {
    b.left = std::min(b.left, lamp.x);
    b.top = std::min(b.top, lamp.y);
    b.right = std::max(b.right, lamp.x);
    b.bottom = std::max(b.bottom, lamp.y);
}

}  // namespace

CellRect computeLayoutBounds(std::span<const Lamp> lamps) {
    CellRect b = kNoCells;
    bool any = false;
    for (const auto& lamp : lamps) {
        if (!LampGrid::inside(lamp.x, lamp.y)) continue;
        if (!any) b = CellRect{lamp.x, lamp.y, lamp.x, lamp.y};
        any = true;
        include(b, lamp);
    }
    return b;
}

CellRect allLampBounds(std::span<const Lamp> lamps) {
    if (lamps.empty()) return CellRect{0, 0, 0, 0};
    CellRect b{lamps.front().x, lamps.front().y, lamps.front().x, lamps.front().y};
    for (const auto& lamp : lamps) include(b, lamp);
    return b;
}

}  // namespace vx
