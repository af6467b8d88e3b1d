#pragma once
// Reading picture files (PNG, JPEG, BMP, GIF; the first frame of an animated
// GIF) without a window system, so that vexolume-cli and the desktop program
// decode the same pixels.
//
// A picture is bounded twice before it is decoded: the file is read through
// the bounded reader, and the size it declares in its header is checked
// against a pixel limit, so a small file claiming a huge picture costs
// nothing. The limits take the largest camera pictures (50 megapixels, as
// JPEG or PNG), and keep a refused file, read to its limit from a device,
// well under 512 MB.

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

#include "base/result.h"
#include "layout/picture/picture.h"

namespace vx {

inline constexpr std::uint64_t kMaxPictureFileBytes = 128'000'000;
inline constexpr std::uint64_t kMaxPicturePixels = 64'000'000;

struct PictureSize {
    std::int32_t width = 0;
    std::int32_t height = 0;
};

// The size the picture declares, read from its header without decoding:
// "ERR_PICTURE_FORMAT" when the bytes are no picture this program reads,
// "ERR_PICTURE_TOO_LARGE" when it declares more than kMaxPicturePixels.
Result<PictureSize> declaredPictureSize(std::span<const std::uint8_t> bytes);

// Decodes after the checks above (and, for a PNG, a check that its data does
// not expand past the size it declares).
Result<Picture> decodePicture(std::span<const std::uint8_t> bytes);

// The file read with at most kMaxPictureFileBytes; a device or a FIFO is
// never read past that, and a FIFO without a writer reads as empty.
Result<std::vector<std::uint8_t>> readPictureFile(const std::filesystem::path& path);
Result<Picture> readPicture(const std::filesystem::path& path);
// What readPicture checks before it decodes, for a program that decodes the
// file by other means.
Result<PictureSize> checkPictureFile(const std::filesystem::path& path);

}  // namespace vx
