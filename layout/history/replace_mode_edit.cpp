#include "layout/history/replace_mode_edit.h"

#include "layout/history/mode_edit_size.h"

namespace vx {

ReplaceModeEdit::ReplaceModeEdit(std::size_t index, Mode mode, std::string textKey)
    : index_(index), new_(std::move(mode)), textKey_(std::move(textKey)) {}

void ReplaceModeEdit::redo(LampLayout& layout) {
    ModeList& modes = layout.effects.modes;
    changed_ = index_ < modes.size() && !(modes[index_] == new_);
    if (!changed_) return;
    old_ = modes[index_];
    modes[index_] = new_;
}

void ReplaceModeEdit::undo(LampLayout& layout) {
    if (changed_) layout.effects.modes[index_] = old_;
}

std::size_t ReplaceModeEdit::sizeInBytes() const {
    return sizeof(*this) + modeBytes(new_) + modeBytes(old_);
}

}  // namespace vx
