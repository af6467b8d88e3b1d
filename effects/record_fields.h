#pragma once
// One table of fields per file record drives all four ways the record is
// stored: written to and read from the binary file, written to and read from
// the JSON form. A field names its JSON key, the member it stores, its place
// in the JSON object (the binary record keeps the table's order) and, for
// fields the file keeps only for some records, the test that says when.
//
// The value types a field may hold are those with a codec below (or one found
// beside its type, as the layout's scan scope has): putValue/getValue for the
// binary file, valueToJson/valueFromJson for the JSON form.

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "base/byte_reader.h"
#include "base/byte_writer.h"
#include "base/load_error.h"
#include "base/result.h"
#include "effects/effect_archive.h"
#include "effects/effect_json_fields.h"
#include "effects/mode.h"

namespace vx {

// Names the value being read ("the kind of mode 3 of the mode list") for an
// error; the text is built only when one is needed.
struct ValueName {
    std::string_view field;
    const std::function<std::string()>& record;
    std::string operator()() const { return std::string(field) + " of " + record(); }
};

inline void putValue(ByteWriter& out, std::int32_t v) { out.i32(v); }
inline void putValue(ByteWriter& out, std::uint32_t v) { out.u32(v); }
inline void putValue(ByteWriter& out, float v) { out.f32(v); }
inline void putValue(ByteWriter& out, double v) { out.f64(v); }
inline void putValue(ByteWriter& out, const std::string& v) { archive::writeString(out, v); }
inline void putValue(ByteWriter& out, const UintList& v) { archive::writeUintList(out, v); }
// Cell rectangles are stored top, bottom, left, right.
inline void putValue(ByteWriter& out, const CellRect& r) {
    out.i32(r.top);
    out.i32(r.bottom);
    out.i32(r.left);
    out.i32(r.right);
}

// Plain numbers cannot fail on their own: a short file shows in `in` and is
// reported once the whole record is read.
inline Status getValue(ByteReader& in, std::int32_t& v, const ValueName&) {
    v = in.i32();
    return {};
}
inline Status getValue(ByteReader& in, std::uint32_t& v, const ValueName&) {
    v = in.u32();
    return {};
}
inline Status getValue(ByteReader& in, float& v, const ValueName&) {
    v = in.f32();
    return {};
}
inline Status getValue(ByteReader& in, double& v, const ValueName&) {
    v = in.f64();
    return {};
}
inline Status getValue(ByteReader& in, std::string& v, const ValueName& name) {
    auto s = archive::readString(in, name());
    if (!s) return s.error();
    v = std::move(*s);
    return {};
}
inline Status getValue(ByteReader& in, UintList& v, const ValueName& name) {
    auto list = archive::readUintList(in, name());
    if (!list) return list.error();
    v = std::move(*list);
    return {};
}
inline Status getValue(ByteReader& in, CellRect& r, const ValueName&) {
    r.top = in.i32();
    r.bottom = in.i32();
    r.left = in.i32();
    r.right = in.i32();
    return {};
}

inline json::Json valueToJson(std::int32_t v) { return v; }
inline json::Json valueToJson(std::uint32_t v) { return v; }
inline json::Json valueToJson(float v) { return json::fromF32(v); }
inline json::Json valueToJson(double v) { return json::fromF64(v); }
inline json::Json valueToJson(const std::string& v) { return json::fromBytes(v); }
inline json::Json valueToJson(const UintList& v) { return json::fromUintList(v); }

// Any rectangle: {"left", "top", "right", "bottom"}.
template <class Rect>
json::Json rectToJson(const Rect& r) {
    return json::Json{{"left", r.left}, {"top", r.top}, {"right", r.right}, {"bottom", r.bottom}};
}
template <class Rect>
void rectFromJson(json::Reader& in, const json::Json& j, const std::string& path, Rect& r) {
    if (!in.object(j, path, {"left", "top", "right", "bottom"})) return;
    r.left = in.i32(j, path, "left");
    r.top = in.i32(j, path, "top");
    r.right = in.i32(j, path, "right");
    r.bottom = in.i32(j, path, "bottom");
}
inline json::Json valueToJson(const CellRect& r) { return rectToJson(r); }

inline void valueFromJson(json::Reader& in, const json::Json& j, const std::string& path,
                          std::int32_t& v) {
    v = in.i32(j, path);
}
inline void valueFromJson(json::Reader& in, const json::Json& j, const std::string& path,
                          std::uint32_t& v) {
    v = in.u32(j, path);
}
inline void valueFromJson(json::Reader& in, const json::Json& j, const std::string& path,
                          float& v) {
    v = in.f32(j, path);
}
inline void valueFromJson(json::Reader& in, const json::Json& j, const std::string& path,
                          double& v) {
    v = in.f64(j, path);
}
inline void valueFromJson(json::Reader& in, const json::Json& j, const std::string& path,
                          std::string& v) {
    v = in.bytes(j, path);
}
inline void valueFromJson(json::Reader& in, const json::Json& j, const std::string& path,
                          UintList& v) {
    v = in.uintList(j, path);
}
inline void valueFromJson(json::Reader& in, const json::Json& j, const std::string& path,
                          CellRect& r) {
    rectFromJson(in, j, path, r);
}

template <class Record>
struct Field {
    std::string_view key;
    std::size_t jsonPlace = 0;              // place of the key in the JSON object
    std::string_view fileName;              // "the kind": names a string or list in a load error
    bool (*kept)(const Record&) = nullptr;  // null: every record keeps the field
    void (*put)(ByteWriter&, const Record&) = nullptr;
    Status (*get)(ByteReader&, Record&, const ValueName&) = nullptr;
    json::Json (*toJson)(const Record&) = nullptr;
    void (*fromJson)(json::Reader&, const json::Json&, const std::string&, Record&) = nullptr;

    bool keptIn(const Record& r) const { return kept == nullptr || kept(r); }
};

template <class T>
struct MemberOf;
template <class Value, class Record>
struct MemberOf<Value Record::*> {
    using record = Record;
    using value = Value;
};

// The field of data member `Member`, e.g. field<&Lamp::port>("port", 6).
template <auto Member>
constexpr Field<typename MemberOf<decltype(Member)>::record> field(
    std::string_view key, std::size_t jsonPlace, std::string_view fileName = {},
    bool (*kept)(const typename MemberOf<decltype(Member)>::record&) = nullptr) {
    using Record = typename MemberOf<decltype(Member)>::record;
    Field<Record> f;
    f.key = key;
    f.jsonPlace = jsonPlace;
    f.fileName = fileName;
    f.kept = kept;
    f.put = [](ByteWriter& out, const Record& r) { putValue(out, r.*Member); };
    f.get = [](ByteReader& in, Record& r, const ValueName& name) {
        return getValue(in, r.*Member, name);
    };
    f.toJson = [](const Record& r) { return valueToJson(r.*Member); };
    f.fromJson = [](json::Reader& in, const json::Json& j, const std::string& path, Record& r) {
        valueFromJson(in, j, path, r.*Member);
    };
    return f;
}

// The fields of one record, in the order of the binary file.
template <class Record, std::size_t N>
class FieldTable {
public:
    constexpr explicit FieldTable(const std::array<Field<Record>, N>& fields) : fields_(fields) {
        for (std::size_t i = 0; i < N; ++i) {
            jsonOrder_[fields[i].jsonPlace] = i;
            keys_[fields[i].jsonPlace] = fields[i].key;
        }
    }

    // The first M fields as a record of their own (a short form of the record).
    template <std::size_t M>
    constexpr FieldTable<Record, M> first() const {
        std::array<Field<Record>, M> part{};
        for (std::size_t i = 0; i < M; ++i) part[i] = fields_[i];
        return FieldTable<Record, M>(part);
    }

    void write(ByteWriter& out, const Record& r) const {
        for (const auto& f : fields_) {
            if (f.keptIn(r)) f.put(out, r);
        }
    }

    // Reads the record; `where` names it ("mode 3 of the mode list") for errors.
    template <class Where>
    Status read(ByteReader& in, Record& r, const Where& where) const {
        const std::function<std::string()> whereText = [&] { return std::string(where()); };
        for (const auto& f : fields_) {
            if (!f.keptIn(r)) continue;
            if (auto s = f.get(in, r, ValueName{f.fileName, whereText}); !s) return s;
        }
        if (in.failed()) return truncatedError(in, where());
        return {};
    }

    json::Json toJson(const Record& r) const {
        json::Json j = json::Json::object();
        for (const auto i : jsonOrder_) {
            if (fields_[i].keptIn(r)) j[std::string(fields_[i].key)] = fields_[i].toJson(r);
        }
        return j;
    }

    // Reads object j at `path`. A field the record does not keep may be left
    // out (and then reads as the member's default).
    void fromJson(json::Reader& in, const json::Json& j, const std::string& path, Record& r) const {
        if (!in.object(j, path, keys_)) return;
        for (const auto i : jsonOrder_) {
            const auto& f = fields_[i];
            if (const json::Json* v = in.member(j, path, f.key, f.keptIn(r))) {
                f.fromJson(in, *v, json::childPath(path, f.key), r);
            }
        }
    }

private:
    std::array<Field<Record>, N> fields_;
    std::array<std::size_t, N> jsonOrder_{};
    std::array<std::string_view, N> keys_{};
};

}  // namespace vx
