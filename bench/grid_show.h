#pragma once
// The tables the playback benches share: a square of side x side lamps,
// one lamp list holding them all and one group list of their columns.

#include <cstdint>
#include <numeric>
#include <vector>

#include "engine/compiled_effects.h"

namespace vx::bench {

// Lamp list 0: every lamp. Lamp lists 1..side: the columns, held by group
// list 0. Colour list 0: `colors` (R, G, B triples).
inline CompiledEffects gridShow(std::uint32_t side, UintList colors) {
    CompiledEffects e;
    UintList all(side * side);
    std::iota(all.begin(), all.end(), 0u);
    e.cstGroup.push_back(all);
    UintList columns;
    for (std::uint32_t x = 0; x < side; ++x) {
        UintList column(side);
        std::iota(column.begin(), column.end(), x * side);
        e.cstGroup.push_back(column);
        columns.push_back(x + 1);
    }
    e.cstGroupGroup.push_back(columns);
    e.colorGroup.push_back(std::move(colors));
    return e;
}

// A mode of PlayKind `kind` over lamp list 0, group list 0 and colour list 0.
inline Mode benchMode(std::int32_t kind, std::uint32_t stepDelay, std::int32_t stepCount) {
    Mode m;
    m.kind = "CM_BENCH";
    m.kindCode = kind;
    m.stepDelay = stepDelay;
    m.stepCount = stepCount;
    m.colorIndex = 0;
    m.lampListIndex = 0;
    m.groupListIndex = 0;
    return m;
}

}  // namespace vx::bench
