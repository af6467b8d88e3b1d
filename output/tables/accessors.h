#pragma once
// GETPTN.c: C51 accessor functions that read the generated tables by group
// number (GetClusterData, GetClusterDataGroup, GetColorData), plus
// GetShowPattern and GetCPort1 to GetCPort12. A group number without a case
// reads 0xFFFF.

#include "engine/compiled_effects.h"
#include "output/tables/table_texts.h"

namespace vx {

TextPieces buildGetPtnText(const CompiledEffects& compiled);

}  // namespace vx
