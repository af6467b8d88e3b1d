#pragma once
// A folder of one run's own: made by mkdtemp (mode 0700, a name no one can
// guess or plant a link at beforehand), named "<prefix><pid>-XXXXXX", locked
// while it lives (folder_lock.h) and removed with everything in it when it
// ends. A run killed outright leaves its folder behind; the next run under
// the same parent removes it once its process is gone and its lock free.

#include <filesystem>
#include <string>

#include "base/result.h"
#include "platform/folder_lock.h"

namespace vx {

class PrivateFolder {
public:
    // Removes abandoned folders of `prefix` under `parent`, then makes this
    // run's. Fails (key "ERR_FILE_SAVE") when `parent` cannot take it.
    static Result<PrivateFolder> create(const std::filesystem::path& parent,
                                        const std::string& prefix);

    PrivateFolder(PrivateFolder&& other) noexcept;
    PrivateFolder& operator=(PrivateFolder&&) = delete;
    PrivateFolder(const PrivateFolder&) = delete;
    PrivateFolder& operator=(const PrivateFolder&) = delete;
    ~PrivateFolder();

    const std::filesystem::path& path() const { return path_; }

private:
    PrivateFolder(std::filesystem::path path, FolderLock lock)
        : lock_(std::move(lock)), path_(std::move(path)) {}
    static void removeAbandoned(const std::filesystem::path& parent, const std::string& prefix);

    FolderLock lock_;  // released after the folder is gone
    std::filesystem::path path_;
};

}  // namespace vx
