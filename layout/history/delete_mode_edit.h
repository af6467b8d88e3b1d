#pragma once
// "&Delete" on the mode list page: the mode leaves the ModeList together with
// every program entry copied from it, and later entries are renumbered down.
// Undo puts the mode and its entries back at their places.

#include <cstddef>
#include <optional>

#include "effects/mode_list_ops.h"
#include "layout/history/edit.h"

namespace vx {

class DeleteModeEdit : public Edit {
public:
    explicit DeleteModeEdit(std::size_t index) : index_(index) {}

    void redo(LampLayout& layout) override;
    void undo(LampLayout& layout) override;
    LayoutChange change() const override { return LayoutChange::Effects; }
    std::string_view textKey() const override { return "ID_UNDO_MODE_DELETE"; }
    std::size_t sizeInBytes() const override;
    bool changedAnything() const override { return removed_.has_value(); }

private:
    std::size_t index_;
    std::optional<RemovedMode> removed_;
};

}  // namespace vx
