#pragma once
// Whole-file reads and writes. Writing never destroys the old file on
// failure: the bytes go to a temporary file beside the target, which is
// flushed and then renamed over it (see file_replacement.h: permissions are
// kept and symbolic links followed).

#include <cstdint>
#include <filesystem>
#include <span>
#include <string_view>
#include <vector>

#include "base/result.h"
#include "platform/file_replacement.h"

namespace vx {

Result<std::vector<std::uint8_t>> readFileBytes(const std::filesystem::path& path);

Status writeFileAtomically(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);
// The first half of writeFileAtomically: the bytes are written beside the
// file, which is replaced only by commit() (for writing several files as
// one).
Result<FileReplacement> stageFile(const std::filesystem::path& path,
                                  std::span<const std::uint8_t> bytes);
Status writeFileAtomically(const std::filesystem::path& path, std::string_view text);

}  // namespace vx
