#include "layout/history/undo_history.h"

namespace vx {

void UndoHistory::push(std::unique_ptr<Edit> edit) {
    if (!edit) return;
    if (index_ < edits_.size()) {
        for (auto it = edits_.begin() + static_cast<std::ptrdiff_t>(index_); it != edits_.end();
             ++it) {
            bytes_ -= (*it)->sizeInBytes();
        }
        edits_.erase(edits_.begin() + static_cast<std::ptrdiff_t>(index_), edits_.end());
        if (clean_ && *clean_ > index_) clean_.reset();
    }
    // A saved state inside a drag must stay reachable, so a step that is the
    // clean one does not grow.
    const bool canMerge = mergeOpen_ && index_ > 0 && clean_ != index_;
    const std::size_t lastBytes = canMerge ? edits_.back()->sizeInBytes() : 0;
    if (canMerge && edits_.back()->mergeWith(*edit)) {
        bytes_ = bytes_ - lastBytes + edits_.back()->sizeInBytes();
    } else {
        bytes_ += edit->sizeInBytes();
        edits_.push_back(std::move(edit));
        index_ = edits_.size();
        mergeOpen_ = true;
    }
    dropOldestBeyondCap();
}

void UndoHistory::dropOldestBeyondCap() {
    // The step just done always stays, however large.
    while (bytes_ > cap_ && edits_.size() > 1 && index_ > 1) {
        bytes_ -= edits_.front()->sizeInBytes();
        edits_.erase(edits_.begin());
        --index_;
        // Everything shifts down one; a saved state at the front is gone.
        if (clean_) clean_ = *clean_ == 0 ? std::nullopt : std::optional(*clean_ - 1);
    }
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
