#pragma once
// PlayKind: the small number that selects how a compiled mode is played, and
// the table that gives it to each ModeKind.

#include <cstdint>
#include <optional>
#include <string_view>

namespace vx {

namespace playkind {
inline constexpr std::int32_t kFade = 0;
inline constexpr std::int32_t kRegroup = 253;
inline constexpr std::int32_t kEmpty = 254;
inline constexpr std::int32_t kRegress = 255;
}  // namespace playkind

// The PlayKind of a ModeKind, or nothing for a kind found in no row (custom,
// word and circle kinds, and unknown names). The RIGHTUP row is deliberately
// not symmetric with the other directions: CM_RIGHTUP_GC and CM_RIGHTUP_SCROLL
// play as 4, CM_RIGHTUP_GOBC as 1.
std::optional<std::int32_t> playKindOf(std::string_view kind);

// PlayKinds played from one lamp list (CstGroup index in clusterIndex).
bool isClusterPlayKind(std::int32_t playKind);
// PlayKinds played from a list of lamp groups (Cst_GroupGroup index in clusterGroupIndex).
bool isClusterGroupPlayKind(std::int32_t playKind);

}  // namespace vx
