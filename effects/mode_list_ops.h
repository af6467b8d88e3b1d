#pragma once
// Changes to the ModeList that keep the program groups' references right:
// a program entry names its source mode by ModeList index, so inserting or
// removing a mode renumbers the entries behind it.

#include <array>
#include <cstddef>
#include <optional>
#include <utility>
#include <vector>

#include "effects/effect_data.h"

namespace vx {

// Inserts `mode` at `index` (at most the list's length); program entries
// naming index or above move up by one.
void insertMode(EffectData& effects, std::size_t index, Mode mode);

// Everything deleteMode() takes away, so it can be put back.
struct RemovedMode {
    std::size_t index = 0;
    Mode mode;
    // Per program: the removed entries with the positions they held.
    std::array<std::vector<std::pair<std::size_t, Mode>>, kProgramGroupCount> entries;
};

// deleteMode() that records what it removed; nothing when index is out of range.
std::optional<RemovedMode> removeMode(EffectData& effects, std::size_t index);
// Undoes removeMode(): the mode and its entries return, references move back up.
void restoreMode(EffectData& effects, const RemovedMode& removed);

}  // namespace vx
