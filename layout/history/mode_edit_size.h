#pragma once
// What a Mode kept by an edit costs in memory, for the history's cap.

#include <cstddef>

#include "effects/mode.h"

namespace vx {

inline std::size_t modeBytes(const Mode& m) {
    return sizeof(Mode) + m.kind.capacity() + m.label.capacity() + m.circleKind.capacity() +
           (m.colors.capacity() + m.extraLamps.capacity()) * sizeof(std::uint32_t);
}

}  // namespace vx
