#pragma once
// The effect collections a layout owns: the ModeList, the 32 program groups,
// the designer's clusters and cluster groups, and the 50 layers.

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "effects/mode.h"

namespace vx {

inline constexpr std::size_t kProgramGroupCount = 32;
inline constexpr std::size_t kLayerCount = 50;

using ModeList = std::vector<Mode>;
// A program group's entries are private copies of ModeList modes whose
// kindCode holds the source mode's index in the ModeList.
using ProgramGroup = std::vector<Mode>;
using Cluster = UintList;       // lamp numbers
using ClusterGroup = UintList;  // indices into the ClusterTable
using Layer = UintList;         // positions in the layout's lamp list
using ClusterTable = std::vector<Cluster>;
using ClusterGroupTable = std::vector<ClusterGroup>;
using LayerTable = std::vector<Layer>;

struct EffectData {
    ModeList modes;
    std::array<ProgramGroup, kProgramGroupCount> programGroups;
    ClusterTable clusters;
    ClusterGroupTable clusterGroups;
    LayerTable layers = LayerTable(kLayerCount);

    bool operator==(const EffectData&) const = default;
};

// Finds an entry equal to list (same length, same elements in order) and
// returns its index; otherwise appends list and returns the new index.
// An empty list matches an empty entry.
template <class List>
std::int32_t internList(List list, std::vector<List>& table) {
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (table[i] == list) return static_cast<std::int32_t>(i);
    }
    table.push_back(std::move(list));
    return static_cast<std::int32_t>(table.size() - 1);
}

// Removes ModeList mode `index` together with every program entry copied from
// it, and lowers the source index of entries that referred to later modes.
// Does nothing when index is out of range.
void deleteMode(EffectData& effects, std::size_t index);

// Layer n (1..50) or nullptr when n is out of range.
const Layer* layerByNumber(const EffectData& effects, std::int32_t n);

// Appends empty layers until the table holds 50; a longer table is kept.
void padLayers(LayerTable& layers);

}  // namespace vx
