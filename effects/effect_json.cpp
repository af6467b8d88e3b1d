#include "effects/effect_json.h"

#include "effects/mode_record.h"

namespace vx::json {
namespace {

Json fromModes(const std::vector<Mode>& modes) {
    Json a = Json::array();
    for (const auto& m : modes) a.push_back(fromMode(m));
    return a;
}

std::vector<Mode> readModes(Reader& in, const Json& j, const std::string& path) {
    std::vector<Mode> modes;
    if (!in.array(j, path)) return modes;
    modes.reserve(j.size());
    for (std::size_t i = 0; i < j.size() && in.ok(); ++i) {
        modes.push_back(readMode(in, j[i], indexPath(path, i)));
    }
    return modes;
}

Json fromLists(const std::vector<UintList>& lists) {
    Json a = Json::array();
    for (const auto& list : lists) a.push_back(fromUintList(list));
    return a;
}

std::vector<UintList> readLists(Reader& in, const Json& j, const std::string& path,
                                std::string_view key) {
    std::vector<UintList> lists;
    const Json* v = in.member(j, path, key);
    if (!v) return lists;
    const auto where = childPath(path, key);
    if (!in.array(*v, where)) return lists;
    lists.reserve(v->size());
    for (std::size_t i = 0; i < v->size() && in.ok(); ++i) {
        lists.push_back(in.uintList((*v)[i], indexPath(where, i)));
    }
    return lists;
}

}  // namespace

Json fromMode(const Mode& m) { return kModeFields.toJson(m); }

Mode readMode(Reader& in, const Json& j, const std::string& path) {
    Mode m;
    kModeFields.fromJson(in, j, path, m);
    return m;
}

void addEffects(Json& out, const EffectData& effects) {
    out["modes"] = fromModes(effects.modes);
    Json groups = Json::array();
    for (const auto& group : effects.programGroups) groups.push_back(fromModes(group));
    out["programGroups"] = std::move(groups);
    out["clusters"] = fromLists(effects.clusters);
    out["clusterGroups"] = fromLists(effects.clusterGroups);
    out["layers"] = fromLists(effects.layers);
}

EffectData readEffects(Reader& in, const Json& j, const std::string& path) {
    EffectData effects;
    if (const Json* v = in.member(j, path, "modes")) {
        effects.modes = readModes(in, *v, childPath(path, "modes"));
    }
    if (const Json* v = in.member(j, path, "programGroups")) {
        const auto where = childPath(path, "programGroups");
        if (in.array(*v, where, kProgramGroupCount)) {
            for (std::size_t g = 0; g < kProgramGroupCount && in.ok(); ++g) {
                effects.programGroups[g] = readModes(in, (*v)[g], indexPath(where, g));
            }
        }
    }
    effects.clusters = readLists(in, j, path, "clusters");
    effects.clusterGroups = readLists(in, j, path, "clusterGroups");
    effects.layers = readLists(in, j, path, "layers");
    padLayers(effects.layers);
    return effects;
}

}  // namespace vx::json
