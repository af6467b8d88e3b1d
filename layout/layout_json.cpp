#include "layout/layout_json.h"

#include "base/text_excerpt.h"
#include "effects/effect_json.h"
#include "layout/layout_records.h"

namespace vx {
namespace {

using json::childPath;
using json::indexPath;
using json::Json;
using json::Reader;

// The effect-lamp and spare-lamp lists keep x, y and number only.
Json fromShortLamps(const std::vector<Lamp>& lamps) {
    Json a = Json::array();
    for (const auto& l : lamps) a.push_back(kEffectLampFields.toJson(l));
    return a;
}

std::vector<Lamp> readShortLamps(Reader& in, const Json& j, std::string_view key) {
    std::vector<Lamp> lamps;
    const Json* v = in.member(j, "", key);
    const std::string path(key);
    if (!v || !in.array(*v, path)) return lamps;
    lamps.reserve(v->size());
    for (std::size_t i = 0; i < v->size() && in.ok(); ++i) {
        Lamp l;
        kEffectLampFields.fromJson(in, (*v)[i], indexPath(path, i), l);
        if (!in.ok()) break;
        lamps.push_back(l);
    }
    return lamps;
}

void readSlots(Reader& in, const Json& j, LampLayout& layout) {
    const Json* v = in.member(j, "", "slots");
    const std::string path = "slots";
    if (!v || !in.array(*v, path, kSlotCount)) return;
    for (std::size_t i = 0; i < kSlotCount && in.ok(); ++i) {
        const auto where = indexPath(path, i);
        const Json& e = (*v)[i];
        if (!in.object(e, where, {"a", "b", "values"})) return;
        layout.slots[i].a = in.i32(e, where, "a");
        layout.slots[i].b = in.i32(e, where, "b");
        layout.slots[i].values = in.uintList(e, where, "values");
    }
}

}  // namespace

json::Json layoutToJsonValue(const LampLayout& layout) {
    Json j = Json::object();
    j["format"] = kLayoutJsonFormat;
    j["version"] = kLayoutJsonVersion;
    j["head"] = kHeadFields.toJson(layout);
    Json slots = Json::array();
    for (const auto& s : layout.slots) {
        slots.push_back(Json{{"a", s.a}, {"b", s.b}, {"values", json::fromUintList(s.values)}});
    }
    j["slots"] = std::move(slots);
    Json lamps = Json::array();
    for (const auto& l : layout.lamps) lamps.push_back(kLampFields.toJson(l));
    j["lamps"] = std::move(lamps);
    j["effectLamps"] = fromShortLamps(layout.effectLamps);
    j["spareLamps"] = fromShortLamps(layout.spareLamps);
    json::addEffects(j, layout.effects);
    return j;
}

std::string layoutToJson(const LampLayout& layout) {
    return json::format(layoutToJsonValue(layout));
}

Result<LampLayout> layoutFromJsonValue(const Json& j) {
    Reader in;
    LampLayout layout;
    if (in.object(j, "",
                  {"format", "version", "head", "slots", "lamps", "effectLamps", "spareLamps",
                   "modes", "programGroups", "clusters", "clusterGroups", "layers"})) {
        const Json* format = in.member(j, "", "format");
        if (format && (!format->is_string() || *format != kLayoutJsonFormat)) {
            const auto found = format->is_string()
                                   ? quotedExcerpt(format->get_ref<const std::string&>())
                                   : std::string(format->type_name());
            in.fail("ERR_JSON_FORMAT", "format",
                    "expected \"" + std::string(kLayoutJsonFormat) + "\", found " + found);
        }
        if (const Json* version = in.member(j, "", "version")) {
            const auto v = in.i32(*version, "version");
            if (in.ok() && v != kLayoutJsonVersion) {
                in.fail("ERR_JSON_FORMAT", "version",
                        "version " + std::to_string(v) + " is not one this program reads");
            }
        }
        if (const Json* h = in.member(j, "", "head")) kHeadFields.fromJson(in, *h, "head", layout);
        readSlots(in, j, layout);
        if (const Json* v = in.member(j, "", "lamps"); v && in.array(*v, "lamps")) {
            layout.lamps.reserve(v->size());
            for (std::size_t i = 0; i < v->size() && in.ok(); ++i) {
                Lamp l;
                kLampFields.fromJson(in, (*v)[i], indexPath("lamps", i), l);
                layout.lamps.push_back(l);
            }
        }
        layout.effectLamps = readShortLamps(in, j, "effectLamps");
        layout.spareLamps = readShortLamps(in, j, "spareLamps");
        layout.effects = json::readEffects(in, j, "");
    }
    if (!in.ok()) return in.error();
    return layout;
}

}  // namespace vx
