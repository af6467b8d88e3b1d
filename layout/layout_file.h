#pragma once
// The layout file: a little-endian image of a LampLayout with no header,
// version or checksum. Layout sections first (head, slot table, the lamp
// objects, the effect-lamp and spare-lamp lists), then the effect sections.

#include <cstdint>
#include <span>
#include <vector>

#include "base/result.h"
#include "layout/lamp_layout.h"

namespace vx {

std::vector<std::uint8_t> encodeLayout(const LampLayout& layout);

// Decodes a whole file. A file that ends early, names a class other than
// "CLamp", refers to an undefined class or to an earlier object, holds a count
// that cannot fit, or carries bytes after its last section is refused with an
// error naming what is wrong and the byte offset.
Result<LampLayout> decodeLayout(std::span<const std::uint8_t> bytes);

}  // namespace vx
