#include "effects/effect_data.h"

#include <algorithm>

namespace vx {

void deleteMode(EffectData& effects, std::size_t index) {
    if (index >= effects.modes.size()) return;
    effects.modes.erase(effects.modes.begin() + static_cast<std::ptrdiff_t>(index));
    const auto removed = static_cast<std::int32_t>(index);
    for (auto& group : effects.programGroups) {
        std::erase_if(group, [removed](const Mode& m) { return m.kindCode == removed; });
        for (auto& entry : group) {
            if (entry.kindCode > removed) --entry.kindCode;
        }
    }
}

const Layer* layerByNumber(const EffectData& effects, std::int32_t n) {
    if (n < 1 || static_cast<std::size_t>(n) > effects.layers.size()) return nullptr;
    return &effects.layers[static_cast<std::size_t>(n - 1)];
}

void padLayers(LayerTable& layers) {
    if (layers.size() < kLayerCount) layers.resize(kLayerCount);
}

}  // namespace vx
