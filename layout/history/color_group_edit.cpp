#include "layout/history/color_group_edit.h"

namespace vx {

void ColorGroupEdit::redo(LampLayout& layout) {
    ModeList& modes = layout.effects.modes;
    changed_ = index_ < modes.size() && modes[index_].colors != new_;
    if (!changed_) return;
    old_ = modes[index_].colors;
    modes[index_].colors = new_;
}

void ColorGroupEdit::undo(LampLayout& layout) {
    if (changed_) layout.effects.modes[index_].colors = old_;
}

}  // namespace vx
