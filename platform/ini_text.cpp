#include "platform/ini_text.h"

namespace vx {
namespace {

constexpr std::string_view kBlanks = " \t\r\v\f";

std::string_view trim(std::string_view s) {
    const auto first = s.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    const auto last = s.find_last_not_of(kBlanks);
    return s.substr(first, last - first + 1);
}

std::string_view unquote(std::string_view value) {
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

// Section name of a "[name]" line, or nothing.
std::optional<std::string_view> sectionName(std::string_view line) {
    line = trim(line);
    if (line.empty() || line.front() != '[') return std::nullopt;
    const auto close = line.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    return trim(line.substr(1, close - 1));
}

}  // namespace

IniText IniText::parse(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    IniText ini;
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        if (line.ends_with('\r')) line.remove_suffix(1);
        ini.lines_.push_back(Line{std::string(line), {}, {}});
    }
    ini.index();
    return ini;
}

void IniText::index() {
    values_.clear();
    std::string section;
    for (Line& line : lines_) {
        line.key.clear();
        if (auto name = sectionName(line.raw)) {
            section = std::string(*name);
            line.section = section;
            continue;
        }
        line.section = section;
        const std::string_view body = trim(line.raw);
        const auto eq = body.find('=');
        if (body.empty() || body.front() == ';' || eq == std::string_view::npos) continue;
        const std::string_view key = trim(body.substr(0, eq));
        if (key.empty()) continue;
        line.key = std::string(key);
        auto& entries = values_[section];
        entries.emplace(line.key, std::string(unquote(trim(body.substr(eq + 1)))));
    }
}

std::optional<std::string_view> IniText::value(std::string_view section,
                                               std::string_view key) const {
    const auto s = values_.find(section);
    if (s == values_.end()) return std::nullopt;
    const auto k = s->second.find(key);
    if (k == s->second.end()) return std::nullopt;
    return std::string_view(k->second);
}

std::vector<std::string> IniText::keysInOrder(std::string_view section) const {
    std::vector<std::string> keys;
    for (const Line& line : lines_) {
        if (!line.key.empty() && line.section == section) keys.push_back(line.key);
    }
    return keys;
}

void IniText::set(std::string_view section, std::string_view key, std::string_view value) {
    std::string newLine = std::string(key) + "=" + std::string(value);
    bool sectionSeen = false;
    std::size_t insertAt = lines_.size();
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const Line& line = lines_[i];
        if (line.section != section) continue;
        if (line.key == key) {
            lines_[i].raw = std::move(newLine);
            index();
            return;
        }
        sectionSeen = true;
        // Insert after the last non-blank line of the section.
        if (!trim(line.raw).empty()) insertAt = i + 1;
    }
    const auto at = static_cast<std::ptrdiff_t>(insertAt);
    if (sectionSeen) {
        lines_.insert(lines_.begin() + at, Line{std::move(newLine), {}, {}});
    } else {
        lines_.push_back(Line{"[" + std::string(section) + "]", {}, {}});
        lines_.push_back(Line{std::move(newLine), {}, {}});
    }
    index();
}

std::string IniText::text() const {
    std::string out;
    for (const Line& line : lines_) {
        out += line.raw;
        out += '\n';
    }
    return out;
}

}  // namespace vx
