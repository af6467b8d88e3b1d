#include "effects/color_data_file.h"

#include <cstdio>

#include "platform/file_io.h"

namespace vx {
namespace {

std::string colorFields(const std::vector<Rgb>& colors) {
    std::string out;
    out.reserve(colors.size() * 9);
    char field[16];
    for (const Rgb& c : colors) {
        std::snprintf(field, sizeof field, "%3d%3d%3d", c.r, c.g, c.b);
        out += field;
    }
    return out;
}

// A three-character field: optional leading spaces, then 1..3 digits.
std::optional<int> fieldValue(std::string_view field) {
    std::size_t i = 0;
    while (i < field.size() && field[i] == ' ') ++i;
    if (i == field.size()) return std::nullopt;
    int value = 0;
    for (; i < field.size(); ++i) {
        if (field[i] < '0' || field[i] > '9') return std::nullopt;
        value = value * 10 + (field[i] - '0');
    }
    return value;
}

}  // namespace

ColorDataFile ColorDataFile::fromText(std::string_view text) {
    ColorDataFile file;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        file.lines_.emplace_back(line);
        start = end + 1;
    }
    return file;
}

Result<ColorDataFile> ColorDataFile::load(const std::filesystem::path& path) {
    auto bytes = readFileBytes(path);
    if (!bytes) return bytes.error();
    const auto& b = bytes.value();
    return fromText(std::string_view(reinterpret_cast<const char*>(b.data()), b.size()));
}

Status ColorDataFile::save(const std::filesystem::path& path) const {
    return writeFileAtomically(path, text());
}

std::string ColorDataFile::text() const {
    std::string out;
    for (const auto& line : lines_) {
        out += line;
        out += '\n';
    }
    return out;
}

std::string_view ColorDataFile::lineName(std::string_view line) {
    const auto open = line.find('[');
    const auto close = line.find(']');
    if (open == std::string_view::npos || close == std::string_view::npos || close < open) {
        return {};
    }
    return line.substr(open + 1, close - open - 1);
}

std::vector<std::string> ColorDataFile::names() const {
    std::vector<std::string> out;
    for (std::size_t i = kFirstNamedLine; i < lines_.size(); ++i) {
        const std::string_view name = lineName(lines_[i]);
        if (name.find("Section") != std::string_view::npos) break;
        out.emplace_back(name);
    }
    return out;
}

std::optional<std::size_t> ColorDataFile::lineOfGroup(std::size_t position) const {
    if (position >= names().size()) return std::nullopt;
    return kFirstNamedLine + position;
}

std::optional<std::size_t> ColorDataFile::mirrorOf(std::size_t line) const {
    const std::size_t mirror = line - kFirstNamedLine + 1;
    if (mirror >= kFirstNamedLine) return std::nullopt;
    if (lineName(lines_[mirror]) != lineName(lines_[line])) return std::nullopt;
    return mirror;
}

std::optional<std::vector<Rgb>> ColorDataFile::groupColors(std::size_t position) const {
    const auto line = lineOfGroup(position);
    if (!line) return std::nullopt;
    const std::string_view text = lines_[*line];
    const auto close = text.find(']');
    const std::string_view fields = text.substr(close + 1);
    std::vector<Rgb> colors;
    for (std::size_t i = 0; i + 9 <= fields.size(); i += 9) {
        int v[3];
        for (int k = 0; k < 3; ++k) {
            const auto value = fieldValue(fields.substr(i + static_cast<std::size_t>(k) * 3, 3));
            if (!value || *value > 255) return std::nullopt;
            v[k] = *value;
        }
        colors.push_back({static_cast<std::uint8_t>(v[0]), static_cast<std::uint8_t>(v[1]),
                          static_cast<std::uint8_t>(v[2])});
    }
    return colors;
}

std::string ColorDataFile::groupLine(std::string_view name, const std::vector<Rgb>& colors) {
    return "     [" + std::string(name) + "]" + colorFields(colors);
}

void ColorDataFile::appendGroup(std::string_view name, const std::vector<Rgb>& colors) {
    lines_.push_back(groupLine(name, colors));
}

bool ColorDataFile::extendGroup(std::size_t position, const std::vector<Rgb>& colors) {
    const auto line = lineOfGroup(position);
    if (!line) return false;
    const auto mirror = mirrorOf(*line);
    lines_[*line] += colorFields(colors);
    if (mirror) lines_[*mirror] = lines_[*line];
    return true;
}

bool ColorDataFile::clearGroup(std::size_t position) {
    const auto line = lineOfGroup(position);
    if (!line) return false;
    const auto mirror = mirrorOf(*line);
    std::string& text = lines_[*line];
    text.erase(text.find(']') + 1);
    if (mirror) lines_[*mirror] = text;
    return true;
}

std::string ColorDataFile::proposedName(const std::vector<std::string>& names) {
    std::size_t count = 0;
    for (const auto& name : names) {
        if (name.starts_with("ColorGroup")) ++count;
    }
    return "ColorGroup:" + std::to_string(count);
}

}  // namespace vx
