#pragma once
// Which ordering a ModeKind uses. For a circular area pass its circleKind.
// A kind that names no ordering gets the empty lamp list or no groups.

#include <string_view>

#include "engine/compile/bands.h"

namespace vx {

// The lamp order of a lamp-list kind (the four scans, side frame, kernel).
UintList buildLampOrder(const ScanInput& in, std::string_view kind);

// The groups of a group-list kind (band builders and rings), in play order.
Bands buildGroupOrder(const ScanInput& in, std::string_view kind);

}  // namespace vx
