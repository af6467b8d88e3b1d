#include "layout/history/program_groups_edit.h"

#include "layout/history/mode_edit_size.h"

namespace vx {

ProgramGroupsEdit::ProgramGroupsEdit(std::array<ProgramGroup, kProgramGroupCount> groups) {
    for (std::size_t n = 0; n < kProgramGroupCount; ++n) groups_[n].now = std::move(groups[n]);
}

void ProgramGroupsEdit::redo(LampLayout& layout) {
    changed_ = false;
    for (std::size_t n = 0; n < kProgramGroupCount; ++n) {
        ProgramGroup& target = layout.effects.programGroups[n];
        Swap& swap = groups_[n];
        if (target == swap.now) {
            swap.before.reset();
            continue;
        }
        swap.before = std::move(target);
        target = swap.now;
        changed_ = true;
    }
}

void ProgramGroupsEdit::undo(LampLayout& layout) {
    for (std::size_t n = 0; n < kProgramGroupCount; ++n) {
        if (groups_[n].before) layout.effects.programGroups[n] = *groups_[n].before;
    }
}

std::size_t ProgramGroupsEdit::sizeInBytes() const {
    std::size_t bytes = sizeof(*this);
    for (const Swap& swap : groups_) {
        for (const Mode& m : swap.now) bytes += modeBytes(m);
        if (swap.before) {
            for (const Mode& m : *swap.before) bytes += modeBytes(m);
        }
    }
    return bytes;
}

}  // namespace vx
