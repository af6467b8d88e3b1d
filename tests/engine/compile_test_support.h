#pragma once
// Small layouts for the compilation tests. Lamps are numbered column by
// column (as the picture scan and the wizard number them), so in a block of
// h rows the lamp at column offset i, row offset j has number i * h + j.

#include <cstdint>
#include <string>

#include "engine/compile/compile_effects.h"
#include "layout/lamp_layout.h"

namespace vx::test {

inline LampLayout blockLayout(std::int32_t x0, std::int32_t y0, std::int32_t w, std::int32_t h) {
    LampLayout layout;
    for (std::int32_t i = 0; i < w; ++i) {
        for (std::int32_t j = 0; j < h; ++j) {
            layout.lamps.push_back(Lamp::made(x0 + i, y0 + j, i * h + j, 10));
        }
    }
    return layout;
}

inline Mode modeOver(std::string kind, CellRect area) {
    Mode m = createMode(std::move(kind));
    m.area = area;
    m.colors = {255, 0, 0, 0, 255, 0};
    m.stepDelay = 5;
    m.stepCount = 10;
    m.duration = 20;
    m.bandWidth = 1;
    return m;
}

// The lamp list of compiled mode i.
inline const UintList& lampListOf(const CompiledEffects& c, std::size_t i) {
    return c.clusters.at(static_cast<std::size_t>(c.modes.at(i).clusterIndex));
}

// The groups of compiled mode i, each as its lamp list.
inline std::vector<UintList> groupsOf(const CompiledEffects& c, std::size_t i) {
    std::vector<UintList> out;
    const auto& list =
        c.clusterGroups.at(static_cast<std::size_t>(c.modes.at(i).clusterGroupIndex));
    for (const std::uint32_t g : list) out.push_back(c.clusters.at(g));
    return out;
}

// Compiles a layout holding only the given modes.
inline CompiledEffects compileWith(LampLayout layout, ModeList modes) {
    layout.effects.modes = std::move(modes);
    return compileEffects(layout);
}

}  // namespace vx::test
