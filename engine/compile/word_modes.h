#pragma once
// Word modes are rewritten into ordinary line modes before compiling: one
// lamp-list mode per column (vertical words) or per row (horizontal words)
// of the layout bounds, whose colours spell the text lamps of the word's Cluster.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "effects/effect_data.h"
#include "layout/lamp.h"
#include "layout/layout_bounds.h"

namespace vx {

// One horizontal or vertical word mode: its position in the ModeList and
// the number of line modes generated for it.
struct WordRecord {
    std::uint32_t position = 0;
    std::uint32_t lineCount = 0;
    bool operator==(const WordRecord&) const = default;
};

struct ExpandedModes {
    ModeList modes;
    // For each expanded mode, the ModeList position it came from.
    std::vector<std::size_t> sources;
    std::vector<WordRecord> words;
};

// Background colours a word appends after its pattern are capped here, so a
// damaged wordStep cannot make lists of billions of entries.
inline constexpr std::int32_t kMaxWordGap = 1 << 16;

// Non-word modes pass unchanged; the diagonal word kinds are dropped. A word
// with fewer than six colour components takes black for a missing colour;
// one whose clusterIndex names no Cluster has no text lamps.
ExpandedModes expandWordModes(const ModeList& modes, const ClusterTable& clusters,
                              std::span<const Lamp> lamps, const CellRect& bounds);

}  // namespace vx
