#include "layout/history/layer_edit.h"

#include <algorithm>

namespace vx {

LayerEdit::LayerEdit(std::int32_t layer, std::uint32_t lamp, Action action, std::uint64_t stroke)
    : layer_(layer), lamp_(lamp), action_(action), stroke_(stroke) {}

Layer* LayerEdit::target(LampLayout& layout) const {
    if (layer_ < 1 || static_cast<std::size_t>(layer_) > layout.effects.layers.size()) {
        return nullptr;
    }
    return &layout.effects.layers[static_cast<std::size_t>(layer_ - 1)];
}

void LayerEdit::redo(LampLayout& layout) {
    Layer* layer = target(layout);
    if (layer == nullptr) return;
    // A merged step replays its final list; a single click computes it.
    if (before_ == after_) {
        before_ = *layer;
        after_ = *layer;
        const auto found = std::find(after_.begin(), after_.end(), lamp_);
        if (action_ == Action::Add && found == after_.end()) after_.push_back(lamp_);
        if (action_ == Action::Remove && found != after_.end()) after_.erase(found);
    }
    *layer = after_;
}

void LayerEdit::undo(LampLayout& layout) {
    if (Layer* layer = target(layout)) *layer = before_;
}

bool LayerEdit::mergeWith(const Edit& next) {
    const auto* other = dynamic_cast<const LayerEdit*>(&next);
    if (other == nullptr || stroke_ == 0 || other->stroke_ != stroke_ || other->layer_ != layer_) {
        return false;
    }
    after_ = other->after_;
    return true;
}

}  // namespace vx
