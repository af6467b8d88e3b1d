#include "platform/tool_folder.h"

#include <cstdlib>
#include <system_error>

namespace vx {

std::optional<std::string> processEnv(const std::string& name) {
    const char* value = std::getenv(name.c_str());
    if (value == nullptr || *value == '\0') return std::nullopt;
    return std::string(value);
}

Result<std::filesystem::path> toolFolderPath(const EnvLookup& env) {
    if (auto tools = env("VEXOLUME_TOOLS")) return std::filesystem::path(*tools);
    if (auto cache = env("XDG_CACHE_HOME")) {
        return std::filesystem::path(*cache) / "vexolume" / "sys";
    }
    if (auto home = env("HOME"))
        return std::filesystem::path(*home) / ".cache" / "vexolume" / "sys";
    return Error{"TOOL_FOLDER_NONE", "no tool folder: set VEXOLUME_TOOLS, XDG_CACHE_HOME or HOME"};
}

Result<std::filesystem::path> ensureToolFolder(const EnvLookup& env) {
    auto folder = toolFolderPath(env);
    if (!folder) return folder;
    std::error_code ec;
    std::filesystem::create_directories(*folder, ec);
    if (ec || !std::filesystem::is_directory(*folder)) {
        return Error{"TOOL_FOLDER_CREATE",
                     "cannot create the tool folder " + folder->string() + ": " + ec.message()};
    }
    return folder;
}

}  // namespace vx
