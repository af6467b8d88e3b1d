#pragma once
// A scratch folder of this process under the system's temporary folder,
// "<prefix>PID", removed on every way out of its scope. Folders left by runs
// that were killed outright (SIGKILL leaves no way to clean up) are removed
// when the next one is made: their process no longer exists.

#include <filesystem>
#include <string>

namespace vx {

class ScratchFolder {
public:
    explicit ScratchFolder(std::string prefix);
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

}  // namespace vx
