#include "effects/color_rules.h"

#include <charconv>
#include <cstdio>

#include "effects/kind_shape.h"
#include "effects/mode_kind.h"

namespace vx {

using kinds::Family;

std::optional<std::string_view> saveColorRefusal(const Mode& mode, std::size_t colorCount) {
    const Family family = kinds::classifyKind(kinds::ruleKind(mode.kind, mode.circleKind)).family;
    if (family == Family::Brightness && colorCount != 2) return "PAGE2_ONBUTTON4_YAAT";
    if (family == Family::Word && colorCount < 2) return "PAGE2_ONBUTTON4_YSAT";
    if ((family == Family::Scroll || family == Family::Word) && colorCount != 2) {
        return "PAGE2_ONBUTTON4_TFCW";
    }
    return std::nullopt;
}

std::string_view colorHintKey(const Mode& mode) {
    switch (kinds::classifyKind(kinds::ruleKind(mode.kind, mode.circleKind)).family) {
        case Family::Custom: return "ID_MSG_PAGE2_CM_INFO5";
        case Family::Empty:
        case Family::Regroup:
        case Family::Regress: return "ID_MSG_PAGE2_CM_INFO2";
        case Family::Brightness: return "ID_MSG_PAGE2_CM_INFO3";
        case Family::GC:
        case Family::GOBC:
        case Family::CC:
        case Family::GF:
        case Family::CF: return "ID_MSG_PAGE2_CM_INFO4";
        case Family::Scroll: return "ID_MSG_PAGE2_CM_INFO14";
        case Family::Word:
            return kinds::isWordKind(kinds::ruleKind(mode.kind, mode.circleKind))
                       ? "ID_MSG_PAGE2_CM_INFO15"
                       : "";
        case Family::Circle:
        case Family::Unknown: break;
    }
    return "";
}

std::string colorEntryText(Rgb c) {
    char text[32];
    std::snprintf(text, sizeof text, "%4dR%4dG%4dB", c.r, c.g, c.b);
    return text;
}

std::optional<Rgb> colorFromEntryText(std::string_view text) {
    // Three fields, each a right-aligned number followed by its letter.
    int values[3] = {};
    const char letters[3] = {'R', 'G', 'B'};
    std::size_t pos = 0;
    for (int i = 0; i < 3; ++i) {
        while (pos < text.size() && text[pos] == ' ') ++pos;
        const char* first = text.data() + pos;
        const char* last = text.data() + text.size();
        const auto [end, ec] = std::from_chars(first, last, values[i]);
        if (ec != std::errc() || end == last || *end != letters[i]) return std::nullopt;
        if (values[i] < 0 || values[i] > 255) return std::nullopt;
        pos = static_cast<std::size_t>(end - text.data()) + 1;
    }
    if (pos != text.size()) return std::nullopt;
    return Rgb{static_cast<std::uint8_t>(values[0]), static_cast<std::uint8_t>(values[1]),
               static_cast<std::uint8_t>(values[2])};
}

}  // namespace vx
