#pragma once
// An exclusive lock on a folder shared by several processes or threads (an
// output folder that two builds write into, a build's private folder while
// it lives). It is an flock() on the folder itself, so the folder gains no
// file; where the file system refuses to lock a folder (NFS emulates flock
// with record locks, which need a descriptor open for writing) it is taken on
// the lock file ".vexolume.lock" in it instead. The lock is taken through a
// descriptor of its own, so two threads of one process exclude each other as
// two processes do, and the kernel drops it when its holder dies, so a killed
// build never leaves the folder locked.

#include <filesystem>
#include <functional>
#include <optional>

#include "base/result.h"

namespace vx {

inline constexpr const char* kFolderLockName = ".vexolume.lock";

class FolderLock {
public:
    // Waits for the lock as long as another holder keeps it; `waiting` is
    // called once, before waiting, when the lock is taken. Fails (key
    // "ERR_FOLDER_LOCK") when the folder cannot be opened.
    static Result<FolderLock> acquire(const std::filesystem::path& folder,
                                      const std::function<void()>& waiting = {});
    // The lock when no one else holds it; nothing when someone does or the
    // folder cannot be opened.
    static std::optional<FolderLock> tryAcquire(const std::filesystem::path& folder);

    FolderLock(FolderLock&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
    FolderLock& operator=(FolderLock&& other) noexcept;
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;
    ~FolderLock();

private:
    explicit FolderLock(int fd) : fd_(fd) {}
    static Result<FolderLock> take(const std::filesystem::path& folder, bool wait,
                                   const std::function<void()>& waiting);
    int fd_ = -1;
};

}  // namespace vx
