#include "effects/effect_json.h"

#include "effects/mode_kind.h"

namespace vx::json {
namespace {

Json fromRect(const CellRect& r) {
    return Json{{"left", r.left}, {"top", r.top}, {"right", r.right}, {"bottom", r.bottom}};
}

CellRect readRect(Reader& in, const Json& j, const std::string& path, std::string_view key) {
    CellRect r;
    const Json* v = in.member(j, path, key);
    if (!v) return r;
    const auto where = childPath(path, key);
    if (!in.object(*v, where, {"left", "top", "right", "bottom"})) return r;
    r.left = in.i32(*v, where, "left");
    r.top = in.i32(*v, where, "top");
    r.right = in.i32(*v, where, "right");
    r.bottom = in.i32(*v, where, "bottom");
    return r;
}

// An int32 member that may be left out when not required; absent reads as 0.
std::int32_t optionalI32(Reader& in, const Json& j, const std::string& path, std::string_view key,
                         bool required) {
    const Json* v = in.member(j, path, key, required);
    return v ? in.i32(*v, childPath(path, key)) : 0;
}

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

Json fromMode(const Mode& m) {
    Json j = Json::object();
    j["kind"] = fromBytes(m.kind);
    j["label"] = fromBytes(m.label);
    j["kindCode"] = m.kindCode;
    j["colors"] = fromUintList(m.colors);
    j["stepDelay"] = m.stepDelay;
    j["area"] = fromRect(m.area);
    j["stepCount"] = m.stepCount;
    j["duration"] = m.duration;
    j["startOffset"] = m.startOffset;
    j["startX"] = m.startX;
    j["startY"] = m.startY;
    j["bandWidth"] = m.bandWidth;
    j["colorIndex"] = m.colorIndex;
    j["lampListIndex"] = m.lampListIndex;
    j["groupListIndex"] = m.groupListIndex;
    if (kinds::isWordKind(m.kind)) {
        j["wordStep"] = m.wordStep;
        j["wordColorMode"] = m.wordColorMode;
    }
    j["extraLamps"] = fromUintList(m.extraLamps);
    j["extraRect"] = fromRect(m.extraRect);
    if (kinds::isCircleKind(m.kind)) {
        j["circleX"] = m.circleX;
        j["circleY"] = m.circleY;
        j["circleRadius"] = m.circleRadius;
        j["circleKind"] = fromBytes(m.circleKind);
    }
    return j;
}

Mode readMode(Reader& in, const Json& j, const std::string& path) {
    Mode m;
    if (!in.object(j, path,
                   {"kind",     "label",         "kindCode",   "colors",        "stepDelay",
                    "area",     "stepCount",     "duration",   "startOffset",   "startX",
                    "startY",   "bandWidth",     "colorIndex", "lampListIndex", "groupListIndex",
                    "wordStep", "wordColorMode", "extraLamps", "extraRect",     "circleX",
                    "circleY",  "circleRadius",  "circleKind"})) {
        return m;
    }
    m.kind = in.bytes(j, path, "kind");
    m.label = in.bytes(j, path, "label");
    m.kindCode = in.i32(j, path, "kindCode");
    m.colors = in.uintList(j, path, "colors");
    m.stepDelay = in.u32(j, path, "stepDelay");
    m.area = readRect(in, j, path, "area");
    m.stepCount = in.i32(j, path, "stepCount");
    m.duration = in.i32(j, path, "duration");
    m.startOffset = in.i32(j, path, "startOffset");
    m.startX = in.i32(j, path, "startX");
    m.startY = in.i32(j, path, "startY");
    m.bandWidth = in.i32(j, path, "bandWidth");
    m.colorIndex = in.i32(j, path, "colorIndex");
    m.lampListIndex = in.i32(j, path, "lampListIndex");
    m.groupListIndex = in.i32(j, path, "groupListIndex");
    // Fields the file keeps only for some kinds are required there and
    // optional (not written to the file) elsewhere.
    const bool word = kinds::isWordKind(m.kind);
    m.wordStep = optionalI32(in, j, path, "wordStep", word);
    m.wordColorMode = optionalI32(in, j, path, "wordColorMode", word);
    m.extraLamps = in.uintList(j, path, "extraLamps");
    m.extraRect = readRect(in, j, path, "extraRect");
    const bool circle = kinds::isCircleKind(m.kind);
    m.circleX = optionalI32(in, j, path, "circleX", circle);
    m.circleY = optionalI32(in, j, path, "circleY", circle);
    m.circleRadius = optionalI32(in, j, path, "circleRadius", circle);
    if (const Json* v = in.member(j, path, "circleKind", circle)) {
        m.circleKind = in.bytes(*v, childPath(path, "circleKind"));
    }
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
