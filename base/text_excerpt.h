#pragma once
// Text taken from a damaged file into an error message: quoted, on one line,
// and short, whatever bytes the file held.

#include <cstddef>
#include <string>
#include <string_view>

namespace vx {

// `bytes` in double quotes, with control bytes, quotes, backslashes and bytes
// above 0x7E as \xNN, cut after maxBytes input bytes with "..." appended.
std::string quotedExcerpt(std::string_view bytes, std::size_t maxBytes = 40);

}  // namespace vx
