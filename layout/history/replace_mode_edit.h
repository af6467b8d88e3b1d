#pragma once
// A ModeList mode changed in place: the Mode Parameter page's "&OK" after
// "&Edit", "Sa&ve Color" on an opened mode, a lamp list chosen for it. Only
// the old and the new mode are kept; program entries copied from it stay as
// they are.

#include <cstddef>
#include <string>

#include "layout/history/edit.h"

namespace vx {

class ReplaceModeEdit : public Edit {
public:
    ReplaceModeEdit(std::size_t index, Mode mode, std::string textKey = "ID_UNDO_MODE_CHANGE");

    void redo(LampLayout& layout) override;
    void undo(LampLayout& layout) override;
    LayoutChange change() const override { return LayoutChange::Effects; }
    std::string_view textKey() const override { return textKey_; }
    std::size_t sizeInBytes() const override;
    bool changedAnything() const override { return changed_; }

private:
    std::size_t index_;
    Mode new_;
    Mode old_;
    std::string textKey_;
    bool changed_ = false;
};

}  // namespace vx
