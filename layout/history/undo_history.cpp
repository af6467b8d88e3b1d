#include "layout/history/undo_history.h"

namespace vx {

void UndoHistory::push(std::unique_ptr<Edit> edit) {
    if (!edit) return;
    if (index_ < edits_.size()) {
        edits_.erase(edits_.begin() + static_cast<std::ptrdiff_t>(index_), edits_.end());
        if (clean_ && *clean_ > index_) clean_.reset();
    }
    // A saved state inside a drag must stay reachable, so a step that is the
    // clean one does not grow.
    const bool canMerge = mergeOpen_ && index_ > 0 && clean_ != index_;
    if (canMerge && edits_.back()->mergeWith(*edit)) return;
    edits_.push_back(std::move(edit));
    index_ = edits_.size();
    mergeOpen_ = true;
}

const Edit* UndoHistory::undo(LampLayout& layout) {
    if (!canUndo()) return nullptr;
    mergeOpen_ = false;
    Edit* edit = edits_[--index_].get();
    edit->undo(layout);
    return edit;
}

const Edit* UndoHistory::redo(LampLayout& layout) {
    if (!canRedo()) return nullptr;
    mergeOpen_ = false;
    Edit* edit = edits_[index_++].get();
    edit->redo(layout);
    return edit;
}

void UndoHistory::setClean() {
    clean_ = index_;
    mergeOpen_ = false;
}

}  // namespace vx
