#include "layout/history/cell_run_edit.h"

#include <algorithm>
#include <typeinfo>

namespace vx {

void CellRunEdit::redo(LampLayout& layout) {
    startRun();
    deltas_.clear();
    for (const LatticeCell cell : cells_) deltas_.push_back(applyAt(layout, cell));
}

void CellRunEdit::undo(LampLayout& layout) {
    for (auto it = deltas_.rbegin(); it != deltas_.rend(); ++it) it->revert(layout.lamps);
}

bool CellRunEdit::mergeWith(const Edit& next) {
    if (typeid(next) != typeid(*this)) return false;
    const auto& other = static_cast<const CellRunEdit&>(next);
    if (stroke_ == 0 || other.stroke_ != stroke_) return false;
    // The other run was done right after this one, so its deltas follow ours.
    cells_.insert(cells_.end(), other.cells_.begin(), other.cells_.end());
    deltas_.insert(deltas_.end(), other.deltas_.begin(), other.deltas_.end());
    return true;
}

std::size_t CellRunEdit::sizeInBytes() const {
    std::size_t bytes = sizeof(*this) + cells_.size() * sizeof(LatticeCell);
    for (const auto& d : deltas_) bytes += d.sizeInBytes();
    return bytes;
}

bool CellRunEdit::changedAnything() const {
    return std::any_of(deltas_.begin(), deltas_.end(),
                       [](const LampListDelta& d) { return !d.empty(); });
}

}  // namespace vx
