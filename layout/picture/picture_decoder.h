#pragma once
// Reading picture files (PNG, JPEG, BMP, GIF; the first frame of an animated
// GIF) without a window system, so that vexolume-cli and the desktop program
// decode the same pixels.

#include <cstdint>
#include <filesystem>
#include <span>

#include "base/result.h"
#include "layout/picture/picture.h"

namespace vx {

// "ERR_PICTURE_FORMAT" when the bytes are no picture this program reads.
Result<Picture> decodePicture(std::span<const std::uint8_t> bytes);
Result<Picture> readPicture(const std::filesystem::path& path);

}  // namespace vx
