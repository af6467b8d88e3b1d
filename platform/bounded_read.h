#pragma once
// Reading a whole file whose format bounds its size. The limit is checked
// before anything is read where the file system knows the size, and while
// reading otherwise, so a device, a FIFO or a file that grows never makes the
// reader hold more than the limit (plus one byte to notice the excess), and a
// FIFO without a writer does not block.

#include <cstdint>
#include <filesystem>
#include <vector>

#include "base/result.h"

namespace vx {

// The file's bytes, or ERR_FILE_TOO_LARGE when it holds more than maxBytes.
Result<std::vector<std::uint8_t>> readFileAtMost(const std::filesystem::path& path,
                                                 std::uint64_t maxBytes);

}  // namespace vx
