#pragma once
// The image data of a PNG is one zlib stream, which a few kilobytes can
// expand to gigabytes whatever size the header declares. This inflates it
// once into a small scratch buffer, counting, so that a stream expanding past
// the declared picture is refused before the decoder allocates for it.

#include <cstdint>
#include <optional>
#include <span>
#include <utility>

#include "base/result.h"

namespace vx {

// Width and height from the header of a PNG, whatever they are (the decoder
// refuses some sizes without saying which); nothing for other bytes.
std::optional<std::pair<std::uint32_t, std::uint32_t>> pngDeclaredSize(
    std::span<const std::uint8_t> bytes);

// "ERR_PICTURE_FORMAT" when the image data expands past what the header's
// size, bit depth, colour type and interlacing need; a stream that is
// damaged otherwise, and bytes that are no PNG, pass (the decoder judges).
Status checkPngDataSize(std::span<const std::uint8_t> bytes);

}  // namespace vx
