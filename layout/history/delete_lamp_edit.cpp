#include "layout/history/delete_lamp_edit.h"

#include "layout/lamp_editing.h"

namespace vx {

LampListDelta DeleteLampEdit::applyAt(LampLayout& layout, LatticeCell cell) {
    std::vector<std::size_t> removed;
    for (std::size_t i = 0; i < layout.lamps.size(); ++i) {
        if (layout.lamps[i].x == cell.x && layout.lamps[i].y == cell.y) removed.push_back(i);
    }
    if (removed.empty()) return {};
    const std::vector<Lamp> before = layout.lamps;
    deleteLampsAt(layout, cell.x, cell.y);
    return LampListDelta::between(before, layout.lamps, removed, {});
}

}  // namespace vx
