#include "platform/file_replacement.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <random>

namespace vx {
namespace {

namespace fs = std::filesystem;

Error saveError(const std::string& what, const fs::path& path, int err) {
    return Error{"ERR_FILE_SAVE", what + " " + path.string() + ": " + std::strerror(err)};
}

}  // namespace

fs::path followLinks(const fs::path& path) {
    fs::path current = path;
    // As the kernel does, give up on a loop after 40 links; opening the
    // result then fails with its own error.
    for (int hop = 0; hop < 40; ++hop) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(current, ec))) return current;
        const fs::path target = fs::read_symlink(current, ec);
        if (ec) return current;
        current = target.is_absolute() ? target : current.parent_path() / target;
    }
    return current;
}

Result<FileReplacement> FileReplacement::begin(const fs::path& target) {
    const fs::path final = followLinks(target);
    struct stat old {};
    const bool replacing = ::stat(final.c_str(), &old) == 0;
    if (replacing && S_ISDIR(old.st_mode)) return saveError("cannot write", final, EISDIR);
    // A device or a FIFO is never swapped for a regular file.
    if (replacing && !S_ISREG(old.st_mode)) {
        return Error{"ERR_FILE_SAVE", "cannot write " + final.string() + ": not a regular file"};
    }

    std::random_device seed;
    const fs::path folder = final.parent_path().empty() ? fs::path(".") : final.parent_path();
    for (int attempt = 0; attempt < 16; ++attempt) {
        const fs::path temp =
            folder / ("." + final.filename().string() + "." + std::to_string(::getpid()) + "-" +
                      std::to_string(seed() % 1000000) + ".tmp");
        // 0666 less the umask for a new file, as any program would create it.
        const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0) {
            if (errno == EEXIST) continue;
            return saveError("cannot create a file beside", final, errno);
        }
        ::close(fd);
        std::optional<Owner> owner;
        if (replacing) owner = Owner{old.st_mode & 07777u, old.st_uid, old.st_gid};
        return FileReplacement(temp, final, owner);
    }
    return saveError("cannot create a file beside", final, EEXIST);
}

FileReplacement::FileReplacement(FileReplacement&& other) noexcept
    : temp_(std::move(other.temp_)), final_(std::move(other.final_)), old_(other.old_) {
    other.temp_.clear();
}

FileReplacement& FileReplacement::operator=(FileReplacement&& other) noexcept {
    if (this != &other) {
        discard();
        temp_ = std::move(other.temp_);
        final_ = std::move(other.final_);
        old_ = other.old_;
        other.temp_.clear();
    }
    return *this;
}

FileReplacement::~FileReplacement() { discard(); }

void FileReplacement::discard() {
    if (!temp_.empty()) ::unlink(temp_.c_str());
    temp_.clear();
}

Status FileReplacement::commit() {
    if (temp_.empty()) return Error{"ERR_FILE_SAVE", "nothing to save for " + final_.string()};
    // Flushed before the rename, so a crash leaves the old file or the whole
    // new one, never an empty one.
    const int fd = ::open(temp_.c_str(), O_RDONLY | O_CLOEXEC);
    // The replacement keeps the old file's permissions (a read-only file
    // stays read-only) and, where we may, its owner.
    if (fd >= 0 && old_) {
        (void)!::fchown(fd, old_->user, old_->group);
        (void)::fchmod(fd, old_->mode);
    }
    if (fd < 0 || ::fsync(fd) != 0) {
        const int err = errno;
        if (fd >= 0) ::close(fd);
        discard();
        return saveError("cannot write", final_, err);
    }
    ::close(fd);
    if (::rename(temp_.c_str(), final_.c_str()) != 0) {
        const int err = errno;
        discard();
        return saveError("cannot replace", final_, err);
    }
    temp_.clear();
    return {};
}

}  // namespace vx
