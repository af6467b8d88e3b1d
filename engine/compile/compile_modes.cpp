#include "engine/compile/compile_modes.h"

#include "effects/mode_kind.h"
#include "engine/compile/intern_table.h"
#include "engine/compile/mode_grid.h"
#include "engine/compile/mode_lists.h"
#include "engine/play_kind.h"

namespace vx {

namespace {

bool indexesInto(std::int32_t index, std::size_t tableSize) {
    return index >= 0 && static_cast<std::size_t>(index) < tableSize;
}

// A custom mode without the list its PlayKind needs cannot play: its index
// must name one of the designer's lists.
bool dropsCustom(const Mode& m, const EffectData& effects) {
    if (!kinds::isCustomKind(m.kind)) return false;
    if (kinds::customUsesCluster(m.kindCode)) {
        return !indexesInto(m.clusterIndex, effects.clusters.size());
    }
    if (kinds::customUsesClusterGroup(m.kindCode)) {
        return !indexesInto(m.clusterGroupIndex, effects.clusterGroups.size());
    }
    return false;
}

std::int32_t controlCode(std::string_view kind) {
    if (kind == kinds::kEmpty) return playkind::kEmpty;
    if (kind == kinds::kRegroup) return playkind::kRegroup;
    return playkind::kRegress;
}

}  // namespace

std::vector<std::size_t> compileModes(const ExpandedModes& expanded, const EffectData& effects,
                                      std::span<const Lamp> lamps, const CellRect& bounds,
                                      CompiledEffects& out) {
    out.modes.clear();
    out.clusters = effects.clusters;
    out.clusterGroups = effects.clusterGroups;
    out.colorGroup.clear();
    InternTable lampLists(out.clusters);
    InternTable groupLists(out.clusterGroups);
    InternTable colorLists(out.colorGroup);
    ModeGridBuilder grids(lamps, effects.layers);
    std::vector<std::size_t> sources;

    for (std::size_t k = 0; k < expanded.modes.size(); ++k) {
        Mode m = expanded.modes[k];
        if (dropsCustom(m, effects)) continue;
        const auto position = static_cast<std::int32_t>(out.modes.size());
        // A kind in no row of the PlayKind table plays the kindCode it has.
        m.playKind = m.kindCode;
        if (kinds::isControlKind(m.kind)) {
            m.stepCount = position;
            m.playKind = controlCode(m.kind);
        }
        const bool circle = kinds::isCircleKind(m.kind);
        const std::string_view orderKind = circle ? m.circleKind : m.kind;
        // The grid depends on the layer in the kindCode the designer set.
        const std::int32_t layerCode = m.kindCode;
        if (const auto pk = playKindOf(orderKind)) m.playKind = *pk;

        if (m.playKind <= 10) {
            if (m.playKind != 0) m.colorIndex = colorLists.intern(m.colors);
            const bool lampList = isClusterPlayKind(m.playKind);
            const bool groupList = isClusterGroupPlayKind(m.playKind);
            if (!kinds::isCustomKind(m.kind) && (lampList || groupList)) {
                const ScanInput in{m, grids.build(m, layerCode), bounds};
                if (lampList) {
                    m.clusterIndex = lampLists.intern(buildLampOrder(in, orderKind));
                } else {
                    UintList groups;
                    for (UintList& band : buildGroupOrder(in, orderKind)) {
                        groups.push_back(
                            static_cast<std::uint32_t>(lampLists.intern(std::move(band))));
                    }
                    m.clusterGroupIndex = groupLists.intern(std::move(groups));
                }
            }
        }
        out.modes.push_back(std::move(m));
        sources.push_back(expanded.sources[k]);
    }
    return sources;
}

}  // namespace vx
