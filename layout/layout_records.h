#pragma once
// The fields of the layout file's own records, in the order of the file, with
// their JSON keys: the head of the file (a LampLayout's scan settings) and a
// lamp. The effect-lamp and spare-lamp lists keep the first three lamp fields.

#include "effects/record_fields.h"
#include "layout/lamp_layout.h"

namespace vx {

// The scan scope is stored left, top, right, bottom.
inline void putValue(ByteWriter& out, const ScanScope& s) {
    out.i32(s.left);
    out.i32(s.top);
    out.i32(s.right);
    out.i32(s.bottom);
}
inline Status getValue(ByteReader& in, ScanScope& s, const ValueName&) {
    s.left = in.i32();
    s.top = in.i32();
    s.right = in.i32();
    s.bottom = in.i32();
    return {};
}
inline json::Json valueToJson(const ScanScope& s) { return rectToJson(s); }
inline void valueFromJson(json::Reader& in, const json::Json& j, const std::string& path,
                          ScanScope& s) {
    rectFromJson(in, j, path, s);
}

inline constexpr FieldTable<LampLayout, 7> kHeadFields(std::array{
    field<&LampLayout::backColor>("backColour", 0),
    field<&LampLayout::scanScope>("scanScope", 1),
    field<&LampLayout::objectSize>("objectSize", 2),
    field<&LampLayout::reservedValue>("reservedValue", 3),
    field<&LampLayout::lampSize>("lampSize", 4),
    field<&LampLayout::colorTolerance>("colourTolerance", 5),
    field<&LampLayout::lampPitch>("lampPitch", 6),
});

inline constexpr FieldTable<Lamp, 8> kLampFields(std::array{
    field<&Lamp::x>("x", 0),
    field<&Lamp::y>("y", 1),
    field<&Lamp::number>("number", 2),
    field<&Lamp::color>("colour", 3),
    field<&Lamp::diameter>("diameter", 4),
    field<&Lamp::state>("state", 5),
    field<&Lamp::port>("port", 6),
    field<&Lamp::portOrder>("portOrder", 7),
});

// x, y and number: what the effect-lamp and spare-lamp lists keep of a lamp.
inline constexpr FieldTable<Lamp, 3> kEffectLampFields = kLampFields.first<3>();

}  // namespace vx
