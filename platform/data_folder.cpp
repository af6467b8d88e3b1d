#include "platform/data_folder.h"

#include <unistd.h>

#include <cstdlib>
#include <system_error>

namespace vx {
namespace {

std::optional<std::string> environmentValue(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr || *value == '\0') return std::nullopt;
    return std::string(value);
}

constexpr int kLevelsAboveProgram = 3;

}  // namespace

FolderEnvironment FolderEnvironment::fromProcess() {
    FolderEnvironment env;
    env.vexolumeHome = environmentValue("VEXOLUME_HOME");
    env.xdgConfigHome = environmentValue("XDG_CONFIG_HOME");
    env.home = environmentValue("HOME");
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    env.executableDir = ec ? std::filesystem::current_path(ec) : exe.parent_path();
    return env;
}

std::filesystem::path findDataFolder(const FolderEnvironment& env) {
    if (env.vexolumeHome) return *env.vexolumeHome;
    std::error_code ec;
    std::filesystem::path dir = env.executableDir;
    for (int level = 0; level <= kLevelsAboveProgram; ++level) {
        const auto candidate = dir / "share" / "vexolume";
        if (std::filesystem::is_directory(candidate / "Mullanguage", ec)) return candidate;
        if (!dir.has_relative_path()) break;
        dir = dir.parent_path();
    }
    return (env.executableDir / ".." / "share" / "vexolume").lexically_normal();
}

std::filesystem::path userConfigFolder(const FolderEnvironment& env) {
    if (env.xdgConfigHome) return std::filesystem::path(*env.xdgConfigHome) / "vexolume";
    if (env.home) return std::filesystem::path(*env.home) / ".config" / "vexolume";
    return {};
}

bool isWritableFolder(const std::filesystem::path& folder) {
    std::error_code ec;
    return std::filesystem::is_directory(folder, ec) && ::access(folder.c_str(), W_OK) == 0;
}

}  // namespace vx
