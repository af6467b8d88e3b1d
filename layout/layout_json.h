#pragma once
// The JSON form of a whole layout file, for people and version control:
// every field of every record, in an order that follows the file. Converting
// a layout file to JSON and back reproduces it byte for byte.

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>

#include "base/result.h"
#include "effects/effect_json_fields.h"
#include "layout/lamp_layout.h"

namespace vx {

inline constexpr std::string_view kLayoutJsonFormat = "vexolume-layout";
inline constexpr int kLayoutJsonVersion = 1;

json::Json layoutToJsonValue(const LampLayout& layout);
// The formatted text, ending in a newline.
std::string layoutToJson(const LampLayout& layout);

// Parses and checks the JSON form. Errors name the JSON path of the
// offending value ("lamps[3].port"), or the byte offset of a syntax error.
// The text is parsed within layoutJsonLimits(): nothing larger than the
// largest layout is built.
Result<LampLayout> layoutFromJsonValue(const json::Json& j);
Result<LampLayout> layoutFromJson(std::string_view text);

// True when the first byte that is not white space is '{'. A binary layout
// file could start so only with an odd background colour, so callers check
// the file name first.
bool looksLikeJson(std::span<const std::uint8_t> bytes);
// Whether a file is taken as the JSON form: by its name (".json"; ".led" and
// ".lam" are binary, in any case of letters), else by its content.
bool isJsonForm(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);
// Reads a layout file in either form, refusing one larger than the largest
// layout (layout_limits.h) before reading it whole.
struct LayoutFileRead {
    LampLayout layout;
    bool json = false;  // the file was in the JSON form
};
Result<LayoutFileRead> readLayoutFileWithForm(const std::filesystem::path& path);
Result<LampLayout> readLayoutFile(const std::filesystem::path& path);

}  // namespace vx
