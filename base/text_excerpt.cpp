#include "base/text_excerpt.h"

#include <cstdio>

namespace vx {

std::string quotedExcerpt(std::string_view bytes, std::size_t maxBytes) {
    std::string out = "\"";
    const auto shown = bytes.substr(0, maxBytes);
    for (const char ch : shown) {
        const auto b = static_cast<unsigned char>(ch);
        if (b < 0x20 || b > 0x7E || b == '"' || b == '\\') {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\x%02X", b);
            out += buf;
        } else {
            out += ch;
        }
    }
    out += '"';
    if (shown.size() < bytes.size()) out += "...";
    return out;
}

}  // namespace vx
