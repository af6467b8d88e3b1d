#pragma once
// ExpandProgramGroups: each program-group entry names its source mode by
// ModeList position (in its kindCode) and stands for every compiled mode
// that came from that source, in compiled order: one for an ordinary mode,
// the run of line modes for a word, none for a dropped mode.

#include <array>
#include <cstddef>
#include <vector>

#include "effects/effect_data.h"

namespace vx {

using ProgramGroupPositions = std::array<std::vector<std::size_t>, kProgramGroupCount>;

// sources[j]: the ModeList position compiled mode j came from.
// modeListSize: the number of ModeList modes.
ProgramGroupPositions expandProgramGroups(
    const std::array<ProgramGroup, kProgramGroupCount>& programGroups,
    const std::vector<std::size_t>& sources, std::size_t modeListSize);

}  // namespace vx
