#pragma once
// A still picture as PNG bytes (8-bit RGB, no interlace).

#include <cstdint>
#include <vector>

#include "layout/picture/picture.h"

namespace vx {

std::vector<std::uint8_t> encodePng(const Picture& image);

}  // namespace vx
