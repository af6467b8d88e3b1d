#include "engine/compile/mode_grid.h"

#include "effects/mode_kind.h"

namespace vx {

namespace {

std::uint64_t square(std::int64_t v) {
    const auto a = static_cast<std::uint64_t>(v < 0 ? -v : v);
    return a * a;
}

}  // namespace

ModeGridBuilder::ModeGridBuilder(std::span<const Lamp> lamps, const LayerTable& layers)
    : lamps_(lamps), layers_(layers) {}

void ModeGridBuilder::put(const Lamp& lamp, const Key& key) {
    if (!LampGrid::inside(lamp.x, lamp.y)) return;
    // Lamps outside the circle are blanked; lamps exactly on it stay.
    if (key.circle &&
        square(std::int64_t{key.cx} - lamp.x) + square(std::int64_t{key.cy} - lamp.y) >
            square(key.radius)) {
        return;
    }
    grid_.set(lamp.x, lamp.y, lamp.number);
    written_.push_back(lamp.x);
    written_.push_back(lamp.y);
}

const LampGrid& ModeGridBuilder::build(const Mode& mode, std::int32_t layerCode) {
    Key key;
    // A negative code names no layer: the grid stays empty.
    key.layer = (layerCode == 0 || layerCode > 50) ? 0 : layerCode;
    if (kinds::isCircleKind(mode.kind)) {
        key.circle = true;
        key.cx = mode.circleX;
        key.cy = mode.circleY;
        key.radius = mode.circleRadius;
    }
    if (built_ && key == current_) return grid_;

    for (std::size_t i = 0; i + 1 < written_.size(); i += 2) {
        grid_.set(written_[i], written_[i + 1], LampGrid::kEmpty);
    }
    written_.clear();
    if (key.layer == 0) {
        for (const auto& lamp : lamps_) put(lamp, key);
    } else if (key.layer > 0 && static_cast<std::size_t>(key.layer) <= layers_.size()) {
        for (const std::uint32_t position : layers_[static_cast<std::size_t>(key.layer) - 1]) {
            if (position < lamps_.size()) put(lamps_[position], key);
        }
    }
    current_ = key;
    built_ = true;
    return grid_;
}

}  // namespace vx
