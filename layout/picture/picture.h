#pragma once
// A decoded picture of an installation: 8-bit RGB, rows top to bottom. The
// scan reads it as the layout view shows it, so both work on this one type.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "layout/lamp.h"

namespace vx {

struct Picture {
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::vector<std::uint8_t> rgb;  // width * height * 3

    Picture() = default;
    Picture(std::int32_t w, std::int32_t h)
        : width(w),
          height(h),
          rgb(static_cast<std::size_t>(w) * static_cast<std::size_t>(h) * 3, 0) {}

    bool empty() const { return width <= 0 || height <= 0; }
    bool contains(std::int32_t x, std::int32_t y) const {
        return x >= 0 && y >= 0 && x < width && y < height;
    }
    std::size_t offset(std::int32_t x, std::int32_t y) const {
        return (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                static_cast<std::size_t>(x)) *
               3;
    }
    // The pixel as a colour word 0x00BBGGRR; the caller keeps (x, y) inside.
    ColorWord colorAt(std::int32_t x, std::int32_t y) const {
        const std::size_t o = offset(x, y);
        return static_cast<ColorWord>(rgb[o]) | static_cast<ColorWord>(rgb[o + 1]) << 8 |
               static_cast<ColorWord>(rgb[o + 2]) << 16;
    }

    bool operator==(const Picture&) const = default;
};

}  // namespace vx
