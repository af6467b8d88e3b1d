#pragma once
// The list of steps of one document. Steps before index() are done, those
// from index() on are undone and can be redone until a new step is pushed.
// The clean index marks the state last saved; the document is modified
// whenever the index differs from it. The steps together stay below a memory
// cap: beyond it the oldest steps are forgotten.

#include <cstddef>
#include <memory>
#include <optional>
#include <vector>

#include "layout/history/edit.h"

namespace vx {

inline constexpr std::size_t kDefaultHistoryCap = std::size_t{64} << 20;

class UndoHistory {
public:
    explicit UndoHistory(std::size_t capBytes = kDefaultHistoryCap) : cap_(capBytes) {}

    // Takes an edit that has already been applied. Drops the undone steps and
    // merges into the last step when that step accepts it and merging is open.
    void push(std::unique_ptr<Edit> edit);

    bool canUndo() const { return index_ > 0; }
    bool canRedo() const { return index_ < edits_.size(); }
    // Undo or redo one step on `layout`; the step taken, or null when none.
    const Edit* undo(LampLayout& layout);
    const Edit* redo(LampLayout& layout);

    // Ends merging: the next push starts a step of its own (end of a drag).
    void closeStep() { mergeOpen_ = false; }

    void setClean();
    // No index is the saved state any more.
    void loseClean() { clean_.reset(); }
    bool isClean() const { return clean_ == index_; }

    std::size_t index() const { return index_; }
    std::size_t count() const { return edits_.size(); }
    std::size_t sizeInBytes() const { return bytes_; }
    const Edit* nextUndo() const { return canUndo() ? edits_[index_ - 1].get() : nullptr; }
    const Edit* nextRedo() const { return canRedo() ? edits_[index_].get() : nullptr; }

private:
    void dropOldestBeyondCap();

    std::vector<std::unique_ptr<Edit>> edits_;
    std::size_t index_ = 0;
    std::optional<std::size_t> clean_ = 0;
    bool mergeOpen_ = false;
    std::size_t cap_;
    std::size_t bytes_ = 0;
};

}  // namespace vx
