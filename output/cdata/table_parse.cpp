#include "output/cdata/table_parse.h"

#include <cctype>
#include <charconv>

namespace vx {
namespace {

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
    return s;
}

bool isMarker(std::string_view token) {
    return token.size() == 6 && token[0] == '0' && (token[1] == 'x' || token[1] == 'X') &&
           std::toupper(static_cast<unsigned char>(token[2])) == 'F' &&
           std::toupper(static_cast<unsigned char>(token[3])) == 'F' &&
           std::toupper(static_cast<unsigned char>(token[4])) == 'F' &&
           std::toupper(static_cast<unsigned char>(token[5])) == 'F';
}

Error parseError(const std::string& what, std::size_t offset) {
    return Error{"生成CData.h文件失败", what, offset};
}

}  // namespace

Result<ArrayFamilies> parseArrays(std::string_view text) {
    static constexpr std::string_view kHead = "code unsigned int ";
    ArrayFamilies families;
    std::size_t at = text.find(kHead);
    while (at != std::string_view::npos) {
        const std::size_t nameStart = at + kHead.size();
        const std::size_t bracket = text.find('[', nameStart);
        const std::size_t brace = text.find('{', nameStart);
        if (bracket == std::string_view::npos || brace == std::string_view::npos) {
            return parseError("array without a body", at);
        }
        const std::string_view name = trimmed(text.substr(nameStart, bracket - nameStart));
        std::size_t digits = name.size();
        while (digits > 0 && std::isdigit(static_cast<unsigned char>(name[digits - 1]))) --digits;
        std::size_t number = 0;
        if (digits == name.size() ||
            std::from_chars(name.data() + digits, name.data() + name.size(), number).ec !=
                std::errc{}) {
            return parseError("array name without a number: " + std::string(name), at);
        }
        std::vector<std::int64_t>& values = families[std::string(name.substr(0, digits))][number];
        values.clear();
        std::size_t pos = brace + 1;
        while (true) {
            const std::size_t end = text.find_first_of(",}", pos);
            if (end == std::string_view::npos) return parseError("unterminated array", at);
            const std::string_view token = trimmed(text.substr(pos, end - pos));
            if (isMarker(token)) break;
            if (!token.empty()) {
                std::int64_t value = 0;
                const auto [ptr, ec] =
                    std::from_chars(token.data(), token.data() + token.size(), value);
                if (ec != std::errc{} || ptr != token.data() + token.size()) {
                    return parseError("not a number: " + std::string(token), pos);
                }
                values.push_back(value);
            }
            if (text[end] == '}') break;
            pos = end + 1;
        }
        at = text.find(kHead, brace);
    }
    return families;
}

std::vector<PatternRow> parsePatternRows(std::string_view text) {
    std::vector<PatternRow> rows;
    bool started = false;
    std::size_t program = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view line = text.substr(pos, end - pos);
        pos = end + 1;
        if (line.find('{') != std::string_view::npos) {
            if (started) ++program;
            started = true;
            continue;
        }
        if (line.find("0xFD") != std::string_view::npos ||
            line.find("};") != std::string_view::npos) {
            continue;
        }
        PatternRow row{program, {}};
        std::size_t from = 0;
        while (from <= line.size()) {
            std::size_t comma = line.find(',', from);
            if (comma == std::string_view::npos) comma = line.size();
            const std::string_view field = trimmed(line.substr(from, comma - from));
            if (!field.empty()) row.fields.emplace_back(field);
            from = comma + 1;
        }
        if (!row.fields.empty()) rows.push_back(std::move(row));
    }
    return rows;
}

}  // namespace vx
