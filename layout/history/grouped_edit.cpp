#include "layout/history/grouped_edit.h"

#include <algorithm>

namespace vx {

GroupedEdit::GroupedEdit(std::string textKey, LayoutChange change)
    : textKey_(std::move(textKey)), change_(change) {}

GroupedEdit& GroupedEdit::add(std::unique_ptr<Edit> edit) {
    if (edit) edits_.push_back(std::move(edit));
    return *this;
}

void GroupedEdit::redo(LampLayout& layout) {
    for (auto& e : edits_) e->redo(layout);
}

void GroupedEdit::undo(LampLayout& layout) {
    for (auto it = edits_.rbegin(); it != edits_.rend(); ++it) (*it)->undo(layout);
}

std::size_t GroupedEdit::sizeInBytes() const {
    std::size_t bytes = sizeof(*this);
    for (const auto& e : edits_) bytes += e->sizeInBytes();
    return bytes;
}

bool GroupedEdit::changedAnything() const {
    return std::any_of(edits_.begin(), edits_.end(),
                       [](const auto& e) { return e->changedAnything(); });
}

}  // namespace vx
