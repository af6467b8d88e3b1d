#include "platform/folder_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace vx {

Result<FolderLock> FolderLock::acquire(const std::filesystem::path& folder,
                                       const std::function<void()>& waiting) {
    const auto path = folder / kFolderLockName;
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) {
        return Error{"ERR_FOLDER_LOCK",
                     "cannot open the lock file " + path.string() + ": " + std::strerror(errno)};
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) return FolderLock(fd);
    if (errno == EWOULDBLOCK && waiting) waiting();
    while (::flock(fd, LOCK_EX) != 0) {
        if (errno == EINTR) continue;
        const int err = errno;
        ::close(fd);
        return Error{"ERR_FOLDER_LOCK", "cannot lock " + path.string() + ": " + std::strerror(err)};
    }
    return FolderLock(fd);
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
