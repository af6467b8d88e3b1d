#pragma once
// An operation on a run of lattice cells: one click, or every cell a drag
// passes over. Each cell's change is kept as a LampListDelta; undo walks the
// run back from its last cell. Edits of the same kind and the same non-zero
// stroke number merge, so that a drag is one step.

#include <cstdint>
#include <vector>

#include "layout/history/edit.h"
#include "layout/history/lamp_list_delta.h"

namespace vx {

struct LatticeCell {
    std::int32_t x = 0;
    std::int32_t y = 0;
    bool operator==(const LatticeCell&) const = default;
};

class CellRunEdit : public Edit {
public:
    void redo(LampLayout& layout) final;
    void undo(LampLayout& layout) final;
    bool mergeWith(const Edit& next) override;
    LayoutChange change() const override { return LayoutChange::Lamps; }
    std::size_t sizeInBytes() const override;
    bool changedAnything() const override;

    const std::vector<LatticeCell>& cells() const { return cells_; }

protected:
    // `stroke` 0 never merges; equal non-zero strokes do.
    CellRunEdit(LatticeCell cell, std::uint64_t stroke) : cells_{cell}, stroke_(stroke) {}

    // Called before the run is (re)done from its first cell.
    virtual void startRun() {}
    // Does the operation on one cell and says what it changed.
    virtual LampListDelta applyAt(LampLayout& layout, LatticeCell cell) = 0;

private:
    std::vector<LatticeCell> cells_;
    std::vector<LampListDelta> deltas_;  // one per cell once done
    std::uint64_t stroke_;
};

}  // namespace vx
