#include "engine/compile/program_groups.h"

namespace vx {

ProgramGroupPositions expandProgramGroups(
    const std::array<ProgramGroup, kProgramGroupCount>& programGroups,
    const std::vector<std::size_t>& sources, std::size_t modeListSize) {
    std::vector<std::vector<std::size_t>> bySource(modeListSize);
    for (std::size_t j = 0; j < sources.size(); ++j) {
        if (sources[j] < modeListSize) bySource[sources[j]].push_back(j);
    }
    ProgramGroupPositions out;
    for (std::size_t g = 0; g < kProgramGroupCount; ++g) {
        for (const Mode& entry : programGroups[g]) {
            if (entry.kindCode < 0) continue;
            const auto p = static_cast<std::size_t>(entry.kindCode);
            if (p >= modeListSize) continue;
            out[g].insert(out[g].end(), bySource[p].begin(), bySource[p].end());
        }
    }
    return out;
}

}  // namespace vx
