// Reading a layout file in either form, within the limits of layout_limits.h.

#include <algorithm>
#include <cctype>
#include <string>

#include "effects/effect_file.h"
#include "layout/layout_file.h"
#include "layout/layout_json.h"
#include "layout/layout_limits.h"
#include "platform/bounded_read.h"

namespace vx {
namespace {

// A lamp costs its 32-byte record and a 2-byte tag; an effect lamp 12 bytes;
// a number or a list count 4 bytes.
constexpr std::uint64_t kLampBytes = 34;
constexpr std::uint64_t kEffectLampBytes = 12;
constexpr std::uint64_t kValueBytes = 4;
// Numbers the JSON form holds beyond those of the file ("version"), with room.
constexpr std::size_t kJsonExtraValues = 64;
// A mode has the most fields of any record; the longest key is far shorter.
constexpr std::size_t kMostRecordFields = 23;
constexpr std::size_t kLongestKey = 64;

constexpr std::size_t entriesFitting(std::uint64_t entryBytes) {
    return static_cast<std::size_t>(kMaxLayoutFileBytes / entryBytes);
}

std::size_t arrayLimit(const std::vector<json::PathStep>& path) {
    if (path.size() == 1) {
        const auto& key = path[0].key;
        if (key == "slots") return kSlotCount;
        if (key == "programGroups") return kProgramGroupCount;
        if (key == "lamps") return entriesFitting(kLampBytes);
        if (key == "effectLamps" || key == "spareLamps") return entriesFitting(kEffectLampBytes);
        if (key == "modes") return entriesFitting(kMinModeRecordBytes);
    }
    if (path.size() == 2 && path[0].key == "programGroups") {
        return entriesFitting(kMinModeRecordBytes);
    }
    return entriesFitting(kValueBytes);
}

std::string lowerExtension(const std::filesystem::path& path) {
    std::string ext = path.extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ext;
}

}  // namespace

json::ParseLimits layoutJsonLimits() {
    return json::ParseLimits{kLayoutJsonDepth, kMostRecordFields, kLongestKey,
                             entriesFitting(kValueBytes) + kJsonExtraValues, arrayLimit};
}

Result<LampLayout> layoutFromJson(std::string_view text) {
    if (text.size() > kMaxLayoutJsonBytes) {
        return Error{"ERR_FILE_TOO_LARGE",
                     "the JSON text holds " + std::to_string(text.size()) + " bytes, more than " +
                         std::to_string(kMaxLayoutJsonBytes) + ", the JSON of the largest layout",
                     kMaxLayoutJsonBytes};
    }
    auto j = json::parseBounded(text, layoutJsonLimits());
    if (!j) return j.error();
    return layoutFromJsonValue(*j);
}

bool looksLikeJson(std::span<const std::uint8_t> bytes) {
    for (auto b : bytes) {
        if (b == ' ' || b == '\t' || b == '\r' || b == '\n') continue;
        return b == '{';
    }
    return false;
}

bool isJsonForm(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
    const auto ext = lowerExtension(path);
    if (ext == ".json") return true;
    if (ext == ".led" || ext == ".lam") return false;
    return looksLikeJson(bytes);
}

Result<LayoutFileRead> readLayoutFileWithForm(const std::filesystem::path& path) {
    // A name that says binary allows only the binary file's size; any other
    // name allows the JSON text's, and a binary content is checked again.
    const auto ext = lowerExtension(path);
    const bool namedBinary = ext == ".led" || ext == ".lam";
    auto bytes = readFileAtMost(path, namedBinary ? kMaxLayoutFileBytes : kMaxLayoutJsonBytes);
    if (!bytes) return bytes.error();
    if (isJsonForm(path, *bytes)) {
        const std::string_view text(reinterpret_cast<const char*>(bytes->data()), bytes->size());
        auto layout = layoutFromJson(text);
        if (!layout) return layout.error();
        return LayoutFileRead{std::move(*layout), true};
    }
    auto layout = decodeLayout(*bytes);
    if (!layout) return layout.error();
    return LayoutFileRead{std::move(*layout), false};
}

Result<LampLayout> readLayoutFile(const std::filesystem::path& path) {
    auto read = readLayoutFileWithForm(path);
    if (!read) return read.error();
    return std::move(read->layout);
}

}  // namespace vx
