#pragma once
// ModeKind names and the kind classes that decide which optional fields a
// Mode record carries and how the engine treats it.

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace vx::kinds {

inline constexpr std::string_view kCustom = "CM_CUSTOMMODE";
inline constexpr std::string_view kEmpty = "CM_EMPTYMODE";
inline constexpr std::string_view kRegroup = "CM_REGROUP";
inline constexpr std::string_view kRegress = "CM_REGRESS";
inline constexpr std::string_view kCircularArea = "CM_CIRCULAR_AREA";

// The 70 kinds offered for new modes, in the mode list page's order.
std::span<const std::string_view> offeredKinds();
// The 61 kinds that may play inside a circular area, in the circle dialog's order.
std::span<const std::string_view> circleInnerKinds();

bool isOfferedKind(std::string_view kind);
// One of the four straight WORD kinds: the only ones whose file record
// carries wordStep and wordColorMode.
bool isWordKind(std::string_view kind);
// Any of the eight WORD names, the four diagonal ones included, which the
// pages and the engine recognise but do not offer.
bool isAnyWordKind(std::string_view kind);
bool isCircleKind(std::string_view kind);
bool isCustomKind(std::string_view kind);
bool isControlKind(std::string_view kind);  // CM_EMPTYMODE, CM_REGROUP, CM_REGRESS

// A custom mode plays its lamps from clusterIndex for these codes, from
// clusterGroupIndex for 1, 2, 3, 4, 7, 8.
bool customUsesCluster(std::int32_t kindCode);
bool customUsesClusterGroup(std::int32_t kindCode);

}  // namespace vx::kinds
