#include "layout/history/insert_lamp_edit.h"

#include "layout/lamp_editing.h"
#include "layout/ports.h"

namespace vx {

LampListDelta InsertLampEdit::applyAt(LampLayout& layout, LatticeCell cell) {
    const std::vector<Lamp> before = layout.lamps;
    if (!insertLampAt(layout, cell.x, cell.y)) return {};
    const auto at = lampAtCell(layout.lamps, cell.x, cell.y);
    const std::size_t inserted[] = {*at};
    return LampListDelta::between(before, layout.lamps, {}, inserted);
}

}  // namespace vx
