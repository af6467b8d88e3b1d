#pragma once
// Where the program finds its data (language tables, help pages, the default
// colour groups) and where it keeps the user's settings when the data folder
// is read-only.

#include <filesystem>
#include <optional>
#include <string>

namespace vx {

// The environment values that decide the folders; fromProcess() reads them,
// tests fill them in directly.
struct FolderEnvironment {
    std::optional<std::string> vexolumeHome;   // $VEXOLUME_HOME
    std::optional<std::string> xdgConfigHome;  // $XDG_CONFIG_HOME
    std::optional<std::string> home;           // $HOME
    std::filesystem::path executableDir;       // folder of the running program

    static FolderEnvironment fromProcess();
};

// $VEXOLUME_HOME when set; else the first "share/vexolume" holding a
// Mullanguage folder beside the program or up to three levels above it (so
// both "<prefix>/bin/.." when installed and the build tree work); else the
// installed location "<executable dir>/../share/vexolume", even if missing.
std::filesystem::path findDataFolder(const FolderEnvironment& env);

// "$XDG_CONFIG_HOME/vexolume", else "$HOME/.config/vexolume"; empty when
// neither is set.
std::filesystem::path userConfigFolder(const FolderEnvironment& env);

// True when a file can be created in `folder` (which must exist).
bool isWritableFolder(const std::filesystem::path& folder);

}  // namespace vx
