#include "engine/render/lamp_picture.h"

#include <algorithm>
#include <cstddef>

namespace vx {

namespace {

// Is pixel (px, py) inside a box whose corners are rounded by ellipses of
// diameter `corner`? Pixel centres are tested, which gives the same shape a
// rounded-rectangle fill does at these sizes.
bool insideRounded(const PixelRect& box, std::int32_t corner, std::int32_t px, std::int32_t py) {
    if (corner < 2) return true;
    const double r = corner / 2.0;
    const double x = px + 0.5;
    const double y = py + 0.5;
    const double dx = std::max({box.left + r - x, 0.0, x - (box.right - r)});
    const double dy = std::max({box.top + r - y, 0.0, y - (box.bottom - r)});
    return dx * dx + dy * dy <= r * r;
}

}  // namespace

void drawLamps(Picture& image, std::span<const Lamp> lamps, std::span<const ColorWord> colors,
               const PlayGeometry& geometry, CellShape shape) {
    std::fill(image.rgb.begin(), image.rgb.end(), std::uint8_t{0});
    const std::int32_t corner = shape == CellShape::Rounded ? geometry.cornerSize() : 0;
    const std::size_t count = std::min(lamps.size(), colors.size());
    for (std::size_t i = 0; i < count; ++i) {
        const ColorWord c = colors[i];
        if (c == 0) continue;  // black on black
        const PixelRect box = geometry.cell(lamps[i].x, lamps[i].y);
        const std::int32_t x0 = std::max(box.left, 0);
        const std::int32_t y0 = std::max(box.top, 0);
        const std::int32_t x1 = std::min(box.right, image.width);
        const std::int32_t y1 = std::min(box.bottom, image.height);
        for (std::int32_t y = y0; y < y1; ++y) {
            for (std::int32_t x = x0; x < x1; ++x) {
                if (!insideRounded(box, corner, x, y)) continue;
                const std::size_t at = image.offset(x, y);
                image.rgb[at] = static_cast<std::uint8_t>(c & 0xFF);
                image.rgb[at + 1] = static_cast<std::uint8_t>((c >> 8) & 0xFF);
                image.rgb[at + 2] = static_cast<std::uint8_t>((c >> 16) & 0xFF);
            }
        }
    }
}

}  // namespace vx
