#pragma once
// The compiled effects as the controller's show records carry them. A change
// record has only a direction, forward or backward, so PlayKinds 3 and 4
// play as 2, and PlayKind 6 (colours read from the end) takes its colour
// list in list order, which is the preview's order reversed.

#include "engine/compiled_effects.h"

namespace vx {

CompiledEffects asRecorded(CompiledEffects effects);

// The PlayKinds the records cannot carry as the preview plays them.
bool isReversedColourKind(std::int32_t playKind);  // 3 and 6
bool isOtherWayKind(std::int32_t playKind);        // 4
bool isGroupFillKind(std::int32_t playKind);       // 7 and 8, first blacked out

}  // namespace vx
