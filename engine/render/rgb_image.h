#pragma once
// A plain 8-bit RGB picture, rows top to bottom, 3 bytes per pixel.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vx {

struct RgbImage {
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::vector<std::uint8_t> pixels;  // width * height * 3

    RgbImage() = default;
    RgbImage(std::int32_t w, std::int32_t h)
        : width(w),
          height(h),
          pixels(static_cast<std::size_t>(w) * static_cast<std::size_t>(h) * 3, 0) {}

    bool operator==(const RgbImage&) const = default;
};

}  // namespace vx
