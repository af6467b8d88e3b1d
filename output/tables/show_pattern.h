#pragma once
// DSPPTN.H: one C51 array per program group, ShowPattern0 to ShowPattern31,
// with one row of decimal values per compiled mode.

#include <cstdint>
#include <string>

#include "effects/mode.h"
#include "engine/compiled_effects.h"
#include "output/tables/table_texts.h"

namespace vx {

// Compiled kind codes with a row layout of their own.
inline constexpr std::int32_t kRowRegroup = 253;
inline constexpr std::int32_t kRowEmpty = 254;
inline constexpr std::int32_t kRowRegress = 255;

// The row of one compiled mode, "\r\n  " included. A code without a row
// layout gives "\r\n  " alone.
std::string showPatternRow(const Mode& mode);

// The two colours and the packed targets of a two-colour fade row (code 0).
struct FadeRow {
    std::int64_t increment = 0;
    std::int64_t first[3] = {0, 0, 0};
    std::int64_t target[3] = {0, 0, 0};
};
FadeRow fadeRow(const Mode& mode);

// The pieces of DSPPTN.H for the 32 program groups. Two CM_EMPTYMODE modes
// in a row, counted across group boundaries, end the group at the second.
TextPieces buildShowPatternText(const CompiledEffects& compiled);

}  // namespace vx
