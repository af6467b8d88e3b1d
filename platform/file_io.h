#pragma once
// Whole-file reads and writes. Writing never destroys the old file on
// failure: the bytes go to a temporary file beside the target, which is
// flushed and then renamed over it.

#include <cstdint>
#include <filesystem>
#include <span>
#include <string_view>
#include <vector>

#include "base/result.h"

namespace vx {

Result<std::vector<std::uint8_t>> readFileBytes(const std::filesystem::path& path);

Status writeFileAtomically(const std::filesystem::path& path,
                           std::span<const std::uint8_t> bytes);
Status writeFileAtomically(const std::filesystem::path& path, std::string_view text);

}  // namespace vx
