#pragma once
// Several edits that make one step (a transaction): redo does them in order,
// undo takes them back in reverse, and the step carries one name. Use it for
// compound actions, e.g. a dialog that changes a mode and its colour group.

#include <memory>
#include <string>
#include <vector>

#include "layout/history/edit.h"

namespace vx {

class GroupedEdit : public Edit {
public:
    // `textKey` names the whole step; `change` is what the views redraw.
    GroupedEdit(std::string textKey, LayoutChange change);

    // Adds an edit that has not been done yet; apply the group when complete.
    GroupedEdit& add(std::unique_ptr<Edit> edit);
    bool empty() const { return edits_.empty(); }

    void redo(LampLayout& layout) override;
    void undo(LampLayout& layout) override;
    LayoutChange change() const override { return change_; }
    std::string_view textKey() const override { return textKey_; }
    std::size_t sizeInBytes() const override;
    bool changedAnything() const override;

private:
    std::vector<std::unique_ptr<Edit>> edits_;
    std::string textKey_;
    LayoutChange change_;
};

}  // namespace vx
