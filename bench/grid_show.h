#pragma once
// A show over a square lattice of lamps numbered column by column, for the
// playback benches: lamp list 0 holds every lamp, lamp lists 1 .. side one
// column each, and group list 0 the columns in order.

#include <cstdint>
#include <numeric>

#include "engine/compiled_effects.h"

namespace vx::bench {

struct ChangeModes {
    std::size_t count = 6;  // PlayKinds 1 to 6 in turn
    std::uint32_t stepDelay = 10;
    std::int32_t stepCount = 100;
    std::int32_t duration = 0;
};

inline CompiledEffects gridShow(std::uint32_t side, const UintList& colors,
                                const ChangeModes& modes) {
    CompiledEffects e;
    UintList all(side * side);
    std::iota(all.begin(), all.end(), 0u);
    e.clusters.push_back(all);
    UintList columns;
    for (std::uint32_t x = 0; x < side; ++x) {
        UintList column(side);
        std::iota(column.begin(), column.end(), x * side);
        e.clusters.push_back(column);
        columns.push_back(x + 1);
    }
    e.clusterGroups.push_back(columns);
    e.colorGroup.push_back(colors);
    for (std::size_t i = 0; i < modes.count; ++i) {
        Mode m;
        m.kind = "CM_BENCH";
        m.playKind = static_cast<std::int32_t>(i % 6) + 1;
        m.stepDelay = modes.stepDelay;
        m.stepCount = modes.stepCount;
        m.duration = modes.duration;
        m.colorIndex = 0;
        m.clusterIndex = 0;
        m.clusterGroupIndex = 0;
        e.modes.push_back(m);
    }
    return e;
}

}  // namespace vx::bench
