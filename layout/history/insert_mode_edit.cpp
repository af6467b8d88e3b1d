#include "layout/history/insert_mode_edit.h"

#include <algorithm>
#include <memory>

#include "effects/mode_list_ops.h"
#include "layout/history/mode_edit_size.h"

namespace vx {

InsertModeEdit::InsertModeEdit(std::vector<std::size_t> positions, Mode mode, std::string textKey)
    : positions_(std::move(positions)), mode_(std::move(mode)), textKey_(std::move(textKey)) {
    std::sort(positions_.begin(), positions_.end());
}

std::unique_ptr<InsertModeEdit> InsertModeEdit::append(const LampLayout& layout, Mode mode) {
    return std::make_unique<InsertModeEdit>(std::vector<std::size_t>{layout.effects.modes.size()},
                                            std::move(mode), "ID_UNDO_MODE_ADD");
}

void InsertModeEdit::redo(LampLayout& layout) {
    // Ascending: each position already counts the copies placed before it.
    for (std::size_t p : positions_) insertMode(layout.effects, p, mode_);
}

void InsertModeEdit::undo(LampLayout& layout) {
    for (auto it = positions_.rbegin(); it != positions_.rend(); ++it) {
        deleteMode(layout.effects, *it);
    }
}

std::size_t InsertModeEdit::sizeInBytes() const {
    return sizeof(*this) + modeBytes(mode_) + positions_.size() * sizeof(std::size_t);
}

}  // namespace vx
