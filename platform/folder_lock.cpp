#include "platform/folder_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace vx {
namespace {

Error lockError(const std::string& what, const std::filesystem::path& path, int err) {
    return Error{"ERR_FOLDER_LOCK", what + " " + path.string() + ": " + std::strerror(err)};
}

// Errors that say this file system cannot lock a folder opened for reading.
bool folderNotLockable(int err) {
    return err == EBADF || err == ENOLCK || err == EINVAL || err == EOPNOTSUPP;
}

}  // namespace

Result<FolderLock> FolderLock::take(const std::filesystem::path& folder, bool wait,
                                    const std::function<void()>& waiting) {
    std::filesystem::path path = folder;
    int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return lockError("cannot open the folder", path, errno);
    bool told = false;
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int err = errno;
        if (err == EINTR) continue;
        if (folderNotLockable(err) && path == folder) {
            ::close(fd);
            path = folder / kFolderLockName;
            fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
            if (fd < 0) return lockError("cannot open the lock file", path, errno);
            continue;
        }
        if (err != EWOULDBLOCK || !wait) {
            ::close(fd);
            return lockError("cannot lock", path, err);
        }
        if (!told && waiting) waiting();
        told = true;
        if (::flock(fd, LOCK_EX) == 0) break;
        if (errno != EINTR) {
            const int blockedErr = errno;
            ::close(fd);
            return lockError("cannot lock", path, blockedErr);
        }
    }
    return FolderLock(fd);
}

Result<FolderLock> FolderLock::acquire(const std::filesystem::path& folder,
                                       const std::function<void()>& waiting) {
    return take(folder, true, waiting);
}

std::optional<FolderLock> FolderLock::tryAcquire(const std::filesystem::path& folder) {
    auto lock = take(folder, false, {});
    if (!lock) return std::nullopt;
    return std::move(*lock);
}

FolderLock& FolderLock::operator=(FolderLock&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = other.fd_;
        other.fd_ = -1;
    }
    return *this;
}

FolderLock::~FolderLock() {
    // Closing the lock's only descriptor releases it.
    if (fd_ >= 0) ::close(fd_);
}

}  // namespace vx
