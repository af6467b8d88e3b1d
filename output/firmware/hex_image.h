#pragma once
// Reading a controller image in Intel HEX form, strictly: every line up to the
// end-of-file record is a record with a valid length and checksum, of a type
// an 8051 image uses, whose bytes lie inside the 64 KB code space. What
// follows the end-of-file record may only be the lamp-count tag the firmware
// build appends ("[LampNum]NNNNN") and blank lines. Anything else, random
// bytes or a layout file, is refused with "ERR_HEX_IMAGE", the line and the
// byte offset where it goes wrong.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "base/result.h"

namespace vx {

inline constexpr std::size_t kCodeSpaceBytes = 65536;
// Far above the text of a full 64 KB image (about 180 KB in 16-byte records
// with CR LF), so no real image comes near it.
inline constexpr std::uintmax_t kMaxHexFileBytes = 1u << 20;

struct HexImage {
    std::string records;             // the records up to end of file, one a line ("\n")
    std::vector<std::uint8_t> code;  // kCodeSpaceBytes; 0xFF where no record wrote
    std::size_t dataBytes = 0;       // bytes written by data records
};

Result<HexImage> parseHexImage(std::span<const std::uint8_t> text);

// Checks that the path names a regular file of at most kMaxHexFileBytes
// before reading it (a device or a FIFO is never read), then parses it.
Result<HexImage> readHexImage(const std::filesystem::path& path);

}  // namespace vx
