#pragma once
// What compilation makes of a layout's effect data, and all that playback and
// the controller output read: the compiled modes, the 32 compiled program
// groups and the three shared tables. Preview and controller data come from
// this one structure, so they cannot disagree.

#include <array>
#include <cstddef>
#include <vector>

#include "effects/effect_data.h"

namespace vx {

struct CompiledEffects {
    // Deep copies of the ModeList after word expansion, with playKind set and
    // colorIndex, clusterIndex, clusterGroupIndex pointing into the tables
    // below.
    std::vector<Mode> modes;
    // For each program group, the positions in `modes` it plays, in order.
    std::array<std::vector<std::size_t>, kProgramGroupCount> programGroups;
    // CstGroup: lamp lists (lamp numbers). Its first entries are the
    // designer's clusters.
    std::vector<UintList> clusters;
    // Cst_GroupGroup: lists of CstGroup indices. Its first entries are the
    // designer's cluster groups.
    std::vector<UintList> clusterGroups;
    // Color_Group: colour lists, R, G, B triplets.
    std::vector<UintList> colorGroup;

    bool operator==(const CompiledEffects&) const = default;
};

}  // namespace vx
