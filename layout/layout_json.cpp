#include "layout/layout_json.h"

#include "base/text_excerpt.h"
#include "effects/effect_json.h"

namespace vx {
namespace {

using json::childPath;
using json::indexPath;
using json::Json;
using json::Reader;

Json fromLamp(const Lamp& l) {
    return Json{{"x", l.x},
                {"y", l.y},
                {"number", l.number},
                {"colour", l.color},
                {"diameter", l.diameter},
                {"state", l.state},
                {"port", l.port},
                {"portOrder", l.portOrder}};
}

Lamp readLamp(Reader& in, const Json& j, const std::string& path) {
    Lamp l;
    if (!in.object(j, path,
                   {"x", "y", "number", "colour", "diameter", "state", "port", "portOrder"})) {
        return l;
    }
    l.x = in.i32(j, path, "x");
    l.y = in.i32(j, path, "y");
    l.number = in.i32(j, path, "number");
    l.color = in.u32(j, path, "colour");
    l.diameter = in.i32(j, path, "diameter");
    l.state = in.i32(j, path, "state");
    l.port = in.i32(j, path, "port");
    l.portOrder = in.i32(j, path, "portOrder");
    return l;
}

// The effect-lamp and spare-lamp lists keep x, y and number only.
Json fromShortLamps(const std::vector<Lamp>& lamps) {
    Json a = Json::array();
    for (const auto& l : lamps) a.push_back(Json{{"x", l.x}, {"y", l.y}, {"number", l.number}});
    return a;
}

std::vector<Lamp> readShortLamps(Reader& in, const Json& j, std::string_view key) {
    std::vector<Lamp> lamps;
    const Json* v = in.member(j, "", key);
    const std::string path(key);
    if (!v || !in.array(*v, path)) return lamps;
    lamps.reserve(v->size());
    for (std::size_t i = 0; i < v->size() && in.ok(); ++i) {
        const auto where = indexPath(path, i);
        const Json& e = (*v)[i];
        if (!in.object(e, where, {"x", "y", "number"})) break;
        Lamp l;
        l.x = in.i32(e, where, "x");
        l.y = in.i32(e, where, "y");
        l.number = in.i32(e, where, "number");
        lamps.push_back(l);
    }
    return lamps;
}

Json fromHead(const LampLayout& layout) {
    const auto& s = layout.scanScope;
    return Json{{"backColour", layout.backColor},
                {"scanScope",
                 Json{{"left", s.left}, {"top", s.top}, {"right", s.right}, {"bottom", s.bottom}}},
                {"objectSize", json::fromF32(layout.objectSize)},
                {"reservedValue", json::fromF32(layout.reservedValue)},
                {"lampSize", json::fromF32(layout.lampSize)},
                {"colourTolerance", layout.colorTolerance},
                {"lampPitch", json::fromF64(layout.lampPitch)}};
}

void readHead(Reader& in, const Json& j, LampLayout& layout) {
    const Json* h = in.member(j, "", "head");
    const std::string path = "head";
    if (!h || !in.object(*h, path,
                         {"backColour", "scanScope", "objectSize", "reservedValue", "lampSize",
                          "colourTolerance", "lampPitch"})) {
        return;
    }
    layout.backColor = in.u32(*h, path, "backColour");
    if (const Json* s = in.member(*h, path, "scanScope")) {
        const auto where = childPath(path, "scanScope");
        if (in.object(*s, where, {"left", "top", "right", "bottom"})) {
            layout.scanScope.left = in.i32(*s, where, "left");
            layout.scanScope.top = in.i32(*s, where, "top");
            layout.scanScope.right = in.i32(*s, where, "right");
            layout.scanScope.bottom = in.i32(*s, where, "bottom");
        }
    }
    layout.objectSize = in.f32(*h, path, "objectSize");
    layout.reservedValue = in.f32(*h, path, "reservedValue");
    layout.lampSize = in.f32(*h, path, "lampSize");
    layout.colorTolerance = in.i32(*h, path, "colourTolerance");
    layout.lampPitch = in.f64(*h, path, "lampPitch");
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
    j["head"] = fromHead(layout);
    Json slots = Json::array();
    for (const auto& s : layout.slots) {
        slots.push_back(Json{{"a", s.a}, {"b", s.b}, {"values", json::fromUintList(s.values)}});
    }
    j["slots"] = std::move(slots);
    Json lamps = Json::array();
    for (const auto& l : layout.lamps) lamps.push_back(fromLamp(l));
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
        readHead(in, j, layout);
        readSlots(in, j, layout);
        if (const Json* v = in.member(j, "", "lamps"); v && in.array(*v, "lamps")) {
            layout.lamps.reserve(v->size());
            for (std::size_t i = 0; i < v->size() && in.ok(); ++i) {
                layout.lamps.push_back(readLamp(in, (*v)[i], indexPath("lamps", i)));
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
