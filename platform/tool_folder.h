#pragma once
// The tool folder: one writable folder that holds the firmware template, the
// generated controller files while the toolchain runs, and the programming
// tools. $VEXOLUME_TOOLS when set, else $XDG_CACHE_HOME/vexolume/sys/, else
// ~/.cache/vexolume/sys/.

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "base/result.h"

namespace vx {

// Looks an environment variable up; nothing when it is unset or empty.
using EnvLookup = std::function<std::optional<std::string>(const std::string&)>;

// The process environment.
std::optional<std::string> processEnv(const std::string& name);

// The tool folder by the rules above (not created). Fails (key
// "TOOL_FOLDER_NONE") when neither the variables nor HOME are set.
Result<std::filesystem::path> toolFolderPath(const EnvLookup& env = processEnv);

// The tool folder, created when missing (key "TOOL_FOLDER_CREATE" on failure).
Result<std::filesystem::path> ensureToolFolder(const EnvLookup& env = processEnv);

}  // namespace vx
