#pragma once
// A click on the effect view while a layer is chosen by Layer Edit: the lamp
// joins the layer or leaves it. The clicks of one picking session share a
// stroke number and merge into one step.

#include <cstdint>

#include "effects/effect_data.h"
#include "layout/history/edit.h"

namespace vx {

class LayerEdit : public Edit {
public:
    enum class Action { Add, Remove };

    // `layer` 1..50; `lamp` a position in the lamp list. Adding a lamp the
    // layer holds, or removing one it lacks, changes nothing.
    LayerEdit(std::int32_t layer, std::uint32_t lamp, Action action, std::uint64_t stroke = 0);

    void redo(LampLayout& layout) override;
    void undo(LampLayout& layout) override;
    bool mergeWith(const Edit& next) override;
    LayoutChange change() const override { return LayoutChange::Effects; }
    std::string_view textKey() const override { return "ID_UNDO_LAYER"; }
    std::size_t sizeInBytes() const override {
        return sizeof(*this) + (before_.capacity() + after_.capacity()) * sizeof(std::uint32_t);
    }
    bool changedAnything() const override { return before_ != after_; }

private:
    Layer* target(LampLayout& layout) const;

    std::int32_t layer_;
    std::uint32_t lamp_;
    Action action_;
    std::uint64_t stroke_;
    Layer before_;
    Layer after_;
};

}  // namespace vx
