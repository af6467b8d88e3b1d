#pragma once
// Writing a layout that a command made: the JSON form for a ".json" name,
// else the binary layout file the desktop program opens. Written atomically,
// so on an error nothing is left behind.

#include <filesystem>

#include "base/result.h"
#include "layout/lamp_layout.h"

namespace vx::cli {

Status writeLayoutOutput(const std::filesystem::path& path, const LampLayout& layout);

}  // namespace vx::cli
