#pragma once
// Building blocks of the JSON form of a layout: how one value of the binary
// file (integer, float, byte string, uint list) is written as JSON and read
// back, so that a file survives the trip through JSON byte for byte.
//
// Byte strings that are valid UTF-8 become JSON strings; any other string
// becomes {"hex": "..."}. Finite floats become JSON numbers (shortest form
// that reads back to the same value); NaN and the infinities become
// {"bits": "0x..."} with the IEEE bit pattern, which is also accepted for any
// float on reading.

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include "base/result.h"
#include "effects/mode.h"

namespace vx::json {

// Keys keep the order in which they were written, so the form reads like the file.
using Json = nlohmann::ordered_json;

bool isValidUtf8(std::string_view bytes);

Json fromBytes(const std::string& bytes);
Json fromF32(float v);
Json fromF64(double v);
Json fromUintList(const UintList& list);

// Reads the JSON form field by field. The first problem found is kept as an
// Error naming the JSON path (e.g. "modes[3].area.left"); after it every read
// returns a default value, so callers check ok() once at the end, the way
// ByteReader is used for the binary file.
class Reader {
public:
    bool ok() const { return !error_.has_value(); }
    const Error& error() const { return *error_; }

    // Records a failure unless an earlier one is kept.
    void fail(const std::string& key, const std::string& path, const std::string& what);

    // True when j is an object whose keys are all in `allowed`.
    bool object(const Json& j, const std::string& path,
                std::initializer_list<std::string_view> allowed) {
        return object(j, path, std::span<const std::string_view>(allowed.begin(), allowed.size()));
    }
    bool object(const Json& j, const std::string& path, std::span<const std::string_view> allowed);
    // True when j is an array; with `size`, of exactly that many elements.
    bool array(const Json& j, const std::string& path, std::optional<std::size_t> size = {});

    // The member `key` of object j, or nullptr (a failure when required).
    const Json* member(const Json& j, const std::string& path, std::string_view key,
                       bool required = true);

    std::int32_t i32(const Json& v, const std::string& path);
    std::uint32_t u32(const Json& v, const std::string& path);
    float f32(const Json& v, const std::string& path);
    double f64(const Json& v, const std::string& path);
    std::string bytes(const Json& v, const std::string& path);
    UintList uintList(const Json& v, const std::string& path);

    // The same, read from member `key` of object j (required).
    std::int32_t i32(const Json& j, const std::string& path, std::string_view key);
    std::uint32_t u32(const Json& j, const std::string& path, std::string_view key);
    float f32(const Json& j, const std::string& path, std::string_view key);
    double f64(const Json& j, const std::string& path, std::string_view key);
    std::string bytes(const Json& j, const std::string& path, std::string_view key);
    UintList uintList(const Json& j, const std::string& path, std::string_view key);

private:
    std::optional<std::uint64_t> bits(const Json& v, const std::string& path, int hexDigits);
    const Json* requireMember(const Json& j, const std::string& path, std::string_view key) {
        return member(j, path, key, true);
    }

    std::optional<Error> error_;
};

// "a.b", "a[3]": paths as the Reader reports them.
std::string childPath(const std::string& path, std::string_view key);
std::string indexPath(const std::string& path, std::size_t index);

// Pretty form for people and diffs: two-space indentation, and every array
// or object that holds only plain values (or is short and one level deep)
// on a single line.
std::string format(const Json& j);

}  // namespace vx::json
