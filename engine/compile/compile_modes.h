#pragma once
// CompileModes: gives every expanded mode its PlayKind and its lamp or group
// list, and fills the three shared tables.

#include <cstddef>
#include <span>
#include <vector>

#include "engine/compile/word_modes.h"
#include "engine/compiled_effects.h"
#include "layout/lamp.h"
#include "layout/layout_bounds.h"

namespace vx {

// Replaces out.modes, out.clusters, out.clusterGroups and out.colorGroup.
// The tables start as the designer's clusters and cluster groups (and an
// empty colour table) and only grow. Returns, for each compiled mode, the
// ModeList position it came from (dropped modes leave no entry).
std::vector<std::size_t> compileModes(const ExpandedModes& expanded, const EffectData& effects,
                                      std::span<const Lamp> lamps, const CellRect& bounds,
                                      CompiledEffects& out);

}  // namespace vx
