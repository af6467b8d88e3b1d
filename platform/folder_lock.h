#pragma once
// An exclusive lock on a folder shared by several processes or threads (the
// tool folder, where every firmware build writes the same file names). It is
// an flock() on a lock file in the folder, taken through a descriptor of the
// lock's own, so two threads of one process exclude each other as two
// processes do. The kernel drops it when its holder dies, so a killed build
// never leaves the folder locked.

#include <filesystem>
#include <functional>

#include "base/result.h"

namespace vx {

inline constexpr const char* kFolderLockName = ".vexolume.lock";

class FolderLock {
public:
    // Waits for the lock as long as another holder keeps it; `waiting` is
    // called once, before waiting, when the lock is taken. Fails (key
    // "ERR_FOLDER_LOCK") when the lock file cannot be opened.
    static Result<FolderLock> acquire(const std::filesystem::path& folder,
                                      const std::function<void()>& waiting = {});

    FolderLock(FolderLock&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
    FolderLock& operator=(FolderLock&& other) noexcept;
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;
    ~FolderLock();

private:
    explicit FolderLock(int fd) : fd_(fd) {}
    int fd_ = -1;
};

}  // namespace vx
