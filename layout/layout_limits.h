#pragma once
// How large a layout file may be, in either form. The binary file has no
// count limits of its own (a u32 counts lamps, modes and list entries), so
// the program sets one size: 4 MiB holds about 91,000 lamps with their
// effect-lamp records (123,000 without), forty times the 2,040 lamps the
// controller's twelve ports drive, and past the 65,535 lamps from which the
// file counts them in 32 bits. Every count a file holds must fit in that
// size, so a reader never builds more than the largest legal file describes.
//
// The JSON form spells the same data out in text: an entry takes at most
// kJsonBytesPerFileByte times its binary size (a lamp record, 34 bytes, takes
// about 180 bytes of text), so the JSON of every legal file is legal too.

#include <cstddef>
#include <cstdint>

#include "effects/effect_json_parse.h"

namespace vx {

inline constexpr std::uint64_t kMaxLayoutFileBytes = std::uint64_t{4} << 20;
inline constexpr std::uint64_t kJsonBytesPerFileByte = 8;
inline constexpr std::uint64_t kMaxLayoutJsonBytes = kJsonBytesPerFileByte * kMaxLayoutFileBytes;

// Containers of the JSON form nest at most this deep: the document, the
// program groups, one group, a mode, and its area (or colour list).
inline constexpr std::size_t kLayoutJsonDepth = 5;

// What the JSON reader allows: no array longer than the entries of its field
// that fit in the largest binary file, and no more numbers and lists in all
// than that file could hold (each takes at least 4 bytes there).
json::ParseLimits layoutJsonLimits();

}  // namespace vx
