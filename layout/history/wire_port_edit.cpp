#include "layout/history/wire_port_edit.h"

namespace vx {

bool WirePortEdit::mergeWith(const Edit& next) {
    if (!CellRunEdit::mergeWith(next)) return false;
    state_ = static_cast<const WirePortEdit&>(next).state_;
    return true;
}

LampListDelta WirePortEdit::applyAt(LampLayout& layout, LatticeCell cell) {
    const auto index = lampAtCell(layout.lamps, cell.x, cell.y);
    if (!index) return {};
    auto edit = portClick(layout.lamps, *index, state_);
    if (!edit) return {};
    const std::vector<Lamp> before = layout.lamps;
    applyLampChanges(layout.lamps, edit->changes);
    state_ = edit->state;
    return LampListDelta::between(before, layout.lamps, {}, {});
}

}  // namespace vx
