#pragma once
// Hand-built compiled effects for the table tests.

#include <string>

#include "engine/compiled_effects.h"

namespace vx::test {

struct ModeFields {
    std::string kind;
    std::int32_t code = 0;
    std::int32_t lampList = -1;
    std::int32_t groupList = -1;
    std::int32_t color = 0;
    std::uint32_t stepDelay = 0;
    std::int32_t stepCount = 0;
    std::int32_t duration = 0;
    UintList colors = {};
};

inline Mode compiledMode(const ModeFields& s) {
    Mode m = createMode(s.kind);
    m.playKind = s.code;
    m.clusterIndex = s.lampList;
    m.clusterGroupIndex = s.groupList;
    m.colorIndex = s.color;
    m.stepDelay = s.stepDelay;
    m.stepCount = s.stepCount;
    m.duration = s.duration;
    m.colors = s.colors;
    return m;
}

// Adds a mode to the compiled list and returns its position.
inline std::size_t addMode(CompiledEffects& compiled, const ModeFields& fields) {
    compiled.modes.push_back(compiledMode(fields));
    return compiled.modes.size() - 1;
}

}  // namespace vx::test
