#include "engine/compile/compile_effects.h"

#include "engine/compile/compile_modes.h"
#include "engine/compile/program_groups.h"
#include "engine/compile/word_modes.h"
#include "layout/layout_bounds.h"

namespace vx {

CompiledEffects compileEffects(const LampLayout& layout) {
    const EffectData& effects = layout.effects;
    const CellRect bounds = computeLayoutBounds(layout.lamps);
    const ExpandedModes expanded =
        expandWordModes(effects.modes, effects.clusters, layout.lamps, bounds);
    CompiledEffects out;
    const std::vector<std::size_t> sources =
        compileModes(expanded, effects, layout.lamps, bounds, out);
    out.programGroups = expandProgramGroups(effects.programGroups, sources, effects.modes.size());
    return out;
}

}  // namespace vx
