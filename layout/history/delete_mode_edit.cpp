#include "layout/history/delete_mode_edit.h"

#include "layout/history/mode_edit_size.h"

namespace vx {

void DeleteModeEdit::redo(LampLayout& layout) { removed_ = removeMode(layout.effects, index_); }

void DeleteModeEdit::undo(LampLayout& layout) {
    if (removed_) restoreMode(layout.effects, *removed_);
}

std::size_t DeleteModeEdit::sizeInBytes() const {
    std::size_t bytes = sizeof(*this);
    if (!removed_) return bytes;
    bytes += modeBytes(removed_->mode);
    for (const auto& program : removed_->entries) {
        for (const auto& entry : program) bytes += sizeof(std::size_t) + modeBytes(entry.second);
    }
    return bytes;
}

}  // namespace vx
