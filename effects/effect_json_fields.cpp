#include "effects/effect_json_fields.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <limits>

#include "base/text_excerpt.h"

namespace vx::json {
namespace {

constexpr char kHexDigits[] = "0123456789abcdef";

std::string toHex(std::uint64_t v, int digits) {
    std::string s = "0x";
    for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4) {
        s += kHexDigits[(v >> shift) & 0xF];
    }
    return s;
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::string typeName(const Json& v) { return v.type_name(); }

}  // namespace

bool isValidUtf8(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        std::size_t extra = 0;
        std::uint32_t cp = 0;
        if (c < 0x80) {
            ++i;
            continue;
        } else if (c >= 0xC2 && c <= 0xDF) {
            extra = 1;
            cp = c & 0x1Fu;
        } else if (c >= 0xE0 && c <= 0xEF) {
            extra = 2;
            cp = c & 0x0Fu;
        } else if (c >= 0xF0 && c <= 0xF4) {
            extra = 3;
            cp = c & 0x07u;
        } else {
            return false;
        }
        if (s.size() - i <= extra) return false;
        for (std::size_t k = 1; k <= extra; ++k) {
            const auto cc = static_cast<unsigned char>(s[i + k]);
            if ((cc & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (cc & 0x3Fu);
        }
        // Overlong forms, UTF-16 surrogates and values past U+10FFFF.
        if ((extra == 2 && cp < 0x800) || (extra == 3 && cp < 0x10000)) return false;
        if (cp >= 0xD800 && cp <= 0xDFFF) return false;
        if (cp > 0x10FFFF) return false;
        i += extra + 1;
    }
    return true;
}

Json fromBytes(const std::string& bytes) {
    if (isValidUtf8(bytes)) return Json(bytes);
    std::string hex;
    hex.reserve(bytes.size() * 2);
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        hex += kHexDigits[b >> 4];
        hex += kHexDigits[b & 0xF];
    }
    return Json{{"hex", hex}};
}

Json fromF32(float v) {
    if (std::isfinite(v)) {
        // The shortest decimal for the float ("0.1" rather than the double
        // 0.10000000149011612), when it reads back through a double to the
        // same float; else the exact value as a double.
        char buf[32];
        const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v);
        double shortest = 0.0;
        if (ec == std::errc{} && std::from_chars(buf, end, shortest).ec == std::errc{}) {
            if (std::bit_cast<std::uint32_t>(static_cast<float>(shortest)) ==
                std::bit_cast<std::uint32_t>(v)) {
                return Json(shortest);
            }
        }
        return Json(static_cast<double>(v));
    }
    return Json{{"bits", toHex(std::bit_cast<std::uint32_t>(v), 8)}};
}

Json fromF64(double v) {
    if (std::isfinite(v)) return Json(v);
    return Json{{"bits", toHex(std::bit_cast<std::uint64_t>(v), 16)}};
}

Json fromUintList(const UintList& list) {
    Json a = Json::array();
    for (auto v : list) a.push_back(v);
    return a;
}

std::string childPath(const std::string& path, std::string_view key) {
    // A key from a damaged text may hold anything: shown quoted and cut short.
    bool plain = !key.empty() && key.size() <= 40;
    for (const char c : key) {
        plain = plain && ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                          (c >= '0' && c <= '9') || c == '_');
    }
    if (!plain) return path + "[" + quotedExcerpt(key) + "]";
    if (path.empty()) return std::string(key);
    return path + "." + std::string(key);
}

std::string indexPath(const std::string& path, std::size_t index) {
    return path + "[" + std::to_string(index) + "]";
}

void Reader::fail(const std::string& key, const std::string& path, const std::string& what) {
    if (error_) return;
    error_ = Error{key, (path.empty() ? std::string("the document") : path) + ": " + what, {}};
}

bool Reader::object(const Json& j, const std::string& path,
                    std::span<const std::string_view> allowed) {
    if (!ok()) return false;
    if (!j.is_object()) {
        fail("ERR_JSON_TYPE", path, std::string("expected an object, found ") + j.type_name());
        return false;
    }
    for (const auto& [key, value] : j.items()) {
        bool known = false;
        for (auto a : allowed) known = known || a == key;
        if (!known) {
            fail("ERR_JSON_UNKNOWN_FIELD", childPath(path, key), "is not a field of this record");
            return false;
        }
    }
    return true;
}

bool Reader::array(const Json& j, const std::string& path, std::optional<std::size_t> size) {
    if (!ok()) return false;
    if (!j.is_array()) {
        fail("ERR_JSON_TYPE", path, std::string("expected an array, found ") + j.type_name());
        return false;
    }
    if (size && j.size() != *size) {
        fail("ERR_JSON_RANGE", path,
             "expected " + std::to_string(*size) + " entries, found " + std::to_string(j.size()));
        return false;
    }
    return true;
}

const Json* Reader::member(const Json& j, const std::string& path, std::string_view key,
                           bool required) {
    if (!ok() || !j.is_object()) return nullptr;
    const auto it = j.find(std::string(key));
    if (it == j.end()) {
        if (required) fail("ERR_JSON_MISSING", childPath(path, key), "is missing");
        return nullptr;
    }
    return &*it;
}

std::int32_t Reader::i32(const Json& v, const std::string& path) {
    if (!ok()) return 0;
    if (v.is_number_unsigned()) {
        const auto u = v.get<std::uint64_t>();
        if (u <= static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max())) {
            return static_cast<std::int32_t>(u);
        }
    } else if (v.is_number_integer()) {
        const auto s = v.get<std::int64_t>();
        if (s >= std::numeric_limits<std::int32_t>::min() &&
            s <= std::numeric_limits<std::int32_t>::max()) {
            return static_cast<std::int32_t>(s);
        }
    } else {
        fail("ERR_JSON_TYPE", path, "expected an integer, found " + typeName(v));
        return 0;
    }
    fail("ERR_JSON_RANGE", path, v.dump() + " does not fit a signed 32-bit integer");
    return 0;
}

std::uint32_t Reader::u32(const Json& v, const std::string& path) {
    if (!ok()) return 0;
    if (v.is_number_unsigned()) {
        const auto u = v.get<std::uint64_t>();
        if (u <= std::numeric_limits<std::uint32_t>::max()) return static_cast<std::uint32_t>(u);
    } else if (v.is_number_integer()) {
        const auto s = v.get<std::int64_t>();
        if (s >= 0 && s <= std::numeric_limits<std::uint32_t>::max()) {
            return static_cast<std::uint32_t>(s);
        }
    } else {
        fail("ERR_JSON_TYPE", path, "expected an integer, found " + typeName(v));
        return 0;
    }
    fail("ERR_JSON_RANGE", path, v.dump() + " does not fit an unsigned 32-bit integer");
    return 0;
}

std::optional<std::uint64_t> Reader::bits(const Json& v, const std::string& path, int hexDigits) {
    if (!object(v, path, {"bits"})) return {};
    const Json* b = member(v, path, "bits");
    if (!b) return {};
    const auto where = childPath(path, "bits");
    if (!b->is_string()) {
        fail("ERR_JSON_TYPE", where, "expected a string, found " + typeName(*b));
        return {};
    }
    const auto& s = b->get_ref<const std::string&>();
    const auto expected = static_cast<std::size_t>(hexDigits) + 2;
    if (s.size() != expected || s[0] != '0' || (s[1] != 'x' && s[1] != 'X')) {
        fail("ERR_JSON_RANGE", where,
             "expected 0x and " + std::to_string(hexDigits) + " hex digits, found " +
                 quotedExcerpt(s));
        return {};
    }
    std::uint64_t value = 0;
    for (std::size_t i = 2; i < s.size(); ++i) {
        const int d = hexValue(s[i]);
        if (d < 0) {
            fail("ERR_JSON_RANGE", where, quotedExcerpt(s) + " is not a hex number");
            return {};
        }
        value = (value << 4) | static_cast<std::uint64_t>(d);
    }
    return value;
}

float Reader::f32(const Json& v, const std::string& path) {
    if (!ok()) return 0.0f;
    if (v.is_object()) {
        const auto b = bits(v, path, 8);
        return b ? std::bit_cast<float>(static_cast<std::uint32_t>(*b)) : 0.0f;
    }
    if (!v.is_number()) {
        fail("ERR_JSON_TYPE", path, "expected a number, found " + typeName(v));
        return 0.0f;
    }
    const auto d = v.get<double>();
    // Halfway between the largest float and 2^128: anything below rounds to a
    // finite float (the shortest decimal of the largest float lies above it).
    const double limit = std::ldexp(1.0, 128) - std::ldexp(1.0, 103);
    if (!(std::fabs(d) < limit)) {
        fail("ERR_JSON_RANGE", path, v.dump() + " does not fit a 32-bit float");
        return 0.0f;
    }
    return static_cast<float>(d);
}

double Reader::f64(const Json& v, const std::string& path) {
    if (!ok()) return 0.0;
    if (v.is_object()) {
        const auto b = bits(v, path, 16);
        return b ? std::bit_cast<double>(*b) : 0.0;
    }
    if (!v.is_number()) {
        fail("ERR_JSON_TYPE", path, "expected a number, found " + typeName(v));
        return 0.0;
    }
    return v.get<double>();
}

std::string Reader::bytes(const Json& v, const std::string& path) {
    if (!ok()) return {};
    if (v.is_string()) return v.get<std::string>();
    if (!object(v, path, {"hex"})) return {};
    const Json* h = member(v, path, "hex");
    if (!h) return {};
    const auto where = childPath(path, "hex");
    if (!h->is_string()) {
        fail("ERR_JSON_TYPE", where, "expected a string, found " + typeName(*h));
        return {};
    }
    const auto& s = h->get_ref<const std::string&>();
    if (s.size() % 2 != 0) {
        fail("ERR_JSON_RANGE", where, "holds an odd number of hex digits");
        return {};
    }
    std::string out;
    out.reserve(s.size() / 2);
    for (std::size_t i = 0; i < s.size(); i += 2) {
        const int hi = hexValue(s[i]);
        const int lo = hexValue(s[i + 1]);
        if (hi < 0 || lo < 0) {
            fail("ERR_JSON_RANGE", where, "holds a character that is not a hex digit");
            return {};
        }
        out += static_cast<char>((hi << 4) | lo);
    }
    return out;
}

UintList Reader::uintList(const Json& v, const std::string& path) {
    if (!array(v, path)) return {};
    UintList list;
    list.reserve(v.size());
    for (std::size_t i = 0; i < v.size() && ok(); ++i) {
        list.push_back(u32(v[i], indexPath(path, i)));
    }
    return list;
}

std::int32_t Reader::i32(const Json& j, const std::string& path, std::string_view key) {
    const Json* v = requireMember(j, path, key);
    return v ? i32(*v, childPath(path, key)) : 0;
}

std::uint32_t Reader::u32(const Json& j, const std::string& path, std::string_view key) {
    const Json* v = requireMember(j, path, key);
    return v ? u32(*v, childPath(path, key)) : 0;
}

float Reader::f32(const Json& j, const std::string& path, std::string_view key) {
    const Json* v = requireMember(j, path, key);
    return v ? f32(*v, childPath(path, key)) : 0.0f;
}

double Reader::f64(const Json& j, const std::string& path, std::string_view key) {
    const Json* v = requireMember(j, path, key);
    return v ? f64(*v, childPath(path, key)) : 0.0;
}

std::string Reader::bytes(const Json& j, const std::string& path, std::string_view key) {
    const Json* v = requireMember(j, path, key);
    return v ? bytes(*v, childPath(path, key)) : std::string{};
}

UintList Reader::uintList(const Json& j, const std::string& path, std::string_view key) {
    const Json* v = requireMember(j, path, key);
    return v ? uintList(*v, childPath(path, key)) : UintList{};
}

}  // namespace vx::json
