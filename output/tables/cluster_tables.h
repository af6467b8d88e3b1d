#pragma once
// CSTGRP.h: the lamp lists (CstGroup), the lists of lamp lists
// (Cst_GroupGroup) and the colour lists (Color_Group) as fixed-size families
// of C51 arrays, each array ended by 0xffff. A table with more entries than
// its family holds is refused with the family's message key.

#include <cstddef>

#include "base/result.h"
#include "effects/mode.h"
#include "output/tables/table_texts.h"

#include <vector>

namespace vx {

inline constexpr std::size_t kMaxClusters = 511;      // CstGroup0..511 are written
inline constexpr std::size_t kMaxClusterGroups = 61;  // Cst_GroupGroup0..60
inline constexpr std::size_t kMaxColorGroups = 101;   // Color_Group0..100

inline constexpr const char* kClustersRefusedKey = "SIMULATELIST_CGT_CETN";
inline constexpr const char* kClusterGroupsRefusedKey = "SIMULATELIST_GCGT_GETN";
inline constexpr const char* kColorGroupsRefusedKey = "SIMULATELIST_COLORTEXT_CETN";

// Error key "SIMULATELIST_CGT_CETN" above kMaxClusters entries.
Result<TextPieces> buildCstGroupText(const std::vector<UintList>& clusters);
// Error key "SIMULATELIST_GCGT_GETN" above kMaxClusterGroups entries.
Result<TextPieces> buildClusterGroupText(const std::vector<UintList>& clusterGroups);
// Error key "SIMULATELIST_COLORTEXT_CETN" above kMaxColorGroups entries.
Result<TextPieces> buildColorGroupText(const std::vector<UintList>& colorGroups);

}  // namespace vx
