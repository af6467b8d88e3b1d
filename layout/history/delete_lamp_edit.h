#pragma once
// Delete mode: removes the lamps on a cell (or on each cell of a drag),
// closes the gap in the port chain and renumbers the lamps behind. Undo puts
// the lamps back where they were, with their wiring and numbers.

#include "layout/history/cell_run_edit.h"

namespace vx {

class DeleteLampEdit : public CellRunEdit {
public:
    explicit DeleteLampEdit(LatticeCell cell, std::uint64_t stroke = 0)
        : CellRunEdit(cell, stroke) {}
    std::string_view textKey() const override { return "ID_EDIT_DELETE"; }

protected:
    LampListDelta applyAt(LampLayout& layout, LatticeCell cell) override;
};

}  // namespace vx
