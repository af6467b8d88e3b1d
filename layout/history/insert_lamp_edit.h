#pragma once
// Insert mode: puts a new lamp on a cell (or on each cell of a drag) unless
// one is there, renumbering the lamps behind it. Undo takes the new lamps out
// and gives the others their numbers back.

#include "layout/history/cell_run_edit.h"

namespace vx {

class InsertLampEdit : public CellRunEdit {
public:
    explicit InsertLampEdit(LatticeCell cell, std::uint64_t stroke = 0)
        : CellRunEdit(cell, stroke) {}
    std::string_view textKey() const override { return "ID_EDIT_INSERT"; }

protected:
    LampListDelta applyAt(LampLayout& layout, LatticeCell cell) override;
};

}  // namespace vx
