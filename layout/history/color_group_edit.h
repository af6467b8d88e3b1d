#pragma once
// "Sa&ve Color" on a mode of the ModeList: its colour group becomes the
// page's colour list. Keeps the old and the new list only.

#include <cstddef>

#include "effects/mode.h"
#include "layout/history/edit.h"

namespace vx {

class ColorGroupEdit : public Edit {
public:
    ColorGroupEdit(std::size_t modeIndex, UintList colors)
        : index_(modeIndex), new_(std::move(colors)) {}

    void redo(LampLayout& layout) override;
    void undo(LampLayout& layout) override;
    LayoutChange change() const override { return LayoutChange::Effects; }
    std::string_view textKey() const override { return "ID_UNDO_COLOR_GROUP"; }
    std::size_t sizeInBytes() const override {
        return sizeof(*this) + (new_.capacity() + old_.capacity()) * sizeof(std::uint32_t);
    }
    bool changedAnything() const override { return changed_; }

private:
    std::size_t index_;
    UintList new_;
    UintList old_;
    bool changed_ = false;
};

}  // namespace vx
