#include "engine/demo/bmp_parameters.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

namespace vx {

namespace {

std::int32_t truncated(double v) {
    if (!std::isfinite(v)) return 0;
    if (v >= 2147483647.0) return 2147483647;
    if (v <= -2147483648.0) return -2147483647 - 1;
    return static_cast<std::int32_t>(v);
}

std::optional<double> number(std::string_view field) {
    const std::string text(field);
    char* end = nullptr;
    const double v = std::strtod(text.c_str(), &end);
    if (end == text.c_str() || !std::isfinite(v)) return std::nullopt;
    return v;
}

}  // namespace

NormalisedPlacement normalisePlacement(const PicturePlacement& picture, std::int32_t cellSize,
                                       std::int32_t width, std::int32_t height) {
    const double c = cellSize > 0 ? cellSize : 1;
    const double halfW = width / 2;
    const double halfH = height / 2;
    return {picture.x / c + halfW - halfW / c, picture.y / c + halfH - halfH / c,
            picture.scale / c};
}

PicturePlacement placeFromNormalised(const NormalisedPlacement& n, std::int32_t cellSize,
                                     std::int32_t width, std::int32_t height) {
    const std::int32_t halfW = width / 2;
    const std::int32_t halfH = height / 2;
    return {truncated(halfW - (halfW - n.x) * cellSize),
            truncated(halfH - (halfH - n.y) * cellSize), cellSize * n.scale};
}

std::vector<std::uint8_t> encodeBmpParameters(const NormalisedPlacement& n) {
    char text[254];
    int length = std::snprintf(text, sizeof text, "%f,%f,%f,%d,", n.x, n.y, n.scale, 2);
    if (length < 0) length = 0;
    if (length > 253) length = 253;  // the length byte holds less than 255
    // The length byte, then the text; built from one range so that the
    // optimiser sees a single copy of known size.
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(length) + 1);
    bytes[0] = static_cast<std::uint8_t>(length);
    std::memcpy(bytes.data() + 1, text, static_cast<std::size_t>(length));
    return bytes;
}

BmpParameters decodeBmpParameters(const std::vector<std::uint8_t>& bytes) {
    BmpParameters p;
    if (bytes.empty()) return p;
    const std::string text(bytes.begin() + 1, bytes.end());
    std::vector<std::string_view> fields;
    std::string_view rest(text);
    while (!rest.empty()) {
        const auto comma = rest.find(',');
        if (comma == std::string_view::npos) {
            fields.push_back(rest);  // an unterminated last field counts as well
            break;
        }
        fields.push_back(rest.substr(0, comma));
        rest.remove_prefix(comma + 1);
    }
    if (fields.size() > 0) p.x = number(fields[0]);
    if (fields.size() > 1) p.y = number(fields[1]);
    if (fields.size() > 2) p.scale = number(fields[2]);
    if (fields.size() > 3) {
        if (const auto v = number(fields[3])) p.pending = truncated(*v);
    }
    return p;
}

}  // namespace vx
