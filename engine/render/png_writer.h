#pragma once
// A still picture as PNG bytes (8-bit RGB, no interlace).

#include <cstdint>
#include <vector>

#include "engine/render/rgb_image.h"

namespace vx {

std::vector<std::uint8_t> encodePng(const RgbImage& image);

}  // namespace vx
