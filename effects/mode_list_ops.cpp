#include "effects/mode_list_ops.h"

#include <algorithm>

namespace vx {
namespace {

void raiseReferences(EffectData& effects, std::size_t from) {
    const auto first = static_cast<std::int32_t>(from);
    for (auto& group : effects.programGroups) {
        for (auto& entry : group) {
            if (entry.kindCode >= first) ++entry.kindCode;
        }
    }
}

}  // namespace

void insertMode(EffectData& effects, std::size_t index, Mode mode) {
    if (index > effects.modes.size()) index = effects.modes.size();
    raiseReferences(effects, index);
    effects.modes.insert(effects.modes.begin() + static_cast<std::ptrdiff_t>(index),
                         std::move(mode));
}

std::optional<RemovedMode> removeMode(EffectData& effects, std::size_t index) {
    if (index >= effects.modes.size()) return std::nullopt;
    RemovedMode removed;
    removed.index = index;
    removed.mode = effects.modes[index];
    const auto ref = static_cast<std::int32_t>(index);
    for (std::size_t n = 0; n < kProgramGroupCount; ++n) {
        const ProgramGroup& group = effects.programGroups[n];
        for (std::size_t p = 0; p < group.size(); ++p) {
            if (group[p].kindCode == ref) removed.entries[n].emplace_back(p, group[p]);
        }
    }
    deleteMode(effects, index);
    return removed;
}

void restoreMode(EffectData& effects, const RemovedMode& removed) {
    raiseReferences(effects, removed.index);
    effects.modes.insert(effects.modes.begin() + static_cast<std::ptrdiff_t>(removed.index),
                         removed.mode);
    for (std::size_t n = 0; n < kProgramGroupCount; ++n) {
        ProgramGroup& group = effects.programGroups[n];
        // Positions were recorded ascending in the original list, so putting
        // them back in that order restores each at its place.
        for (const auto& [position, entry] : removed.entries[n]) {
            const std::size_t at = std::min(position, group.size());
            group.insert(group.begin() + static_cast<std::ptrdiff_t>(at), entry);
        }
    }
}

}  // namespace vx
