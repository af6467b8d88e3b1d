#include "platform/bounded_read.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>

namespace vx {
namespace {

Error fileError(const char* key, const std::string& what, const std::filesystem::path& path,
                int err) {
    return Error{key, what + " " + path.string() + ": " + std::strerror(err)};
}

Error tooLarge(const std::filesystem::path& path, std::uint64_t maxBytes) {
    return Error{"ERR_FILE_TOO_LARGE", path.string() + " holds more than " +
                                           std::to_string(maxBytes) +
                                           " bytes, more than the largest file of its kind"};
}

// Closes the descriptor on every way out.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

constexpr std::size_t kChunkBytes = 1 << 16;

}  // namespace

Result<std::vector<std::uint8_t>> readFileAtMost(const std::filesystem::path& path,
                                                 std::uint64_t maxBytes) {
    // Non-blocking open: a FIFO with no writer opens at once and reads as empty.
    const FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (fd.get() < 0) return fileError("ERR_FILE_OPEN", "cannot open", path, errno);
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0)
        return fileError("ERR_FILE_OPEN", "cannot open", path, errno);
    if (S_ISDIR(info.st_mode)) return fileError("ERR_FILE_OPEN", "cannot open", path, EISDIR);
    const bool regular = S_ISREG(info.st_mode);
    if (regular && static_cast<std::uint64_t>(info.st_size) > maxBytes) {
        return tooLarge(path, maxBytes);
    }
    // Blocking reads from here on: a FIFO now waits for its writer's data.
    const int flags = ::fcntl(fd.get(), F_GETFL);
    if (flags >= 0) ::fcntl(fd.get(), F_SETFL, flags & ~O_NONBLOCK);

    std::vector<std::uint8_t> bytes;
    if (regular) bytes.reserve(static_cast<std::size_t>(info.st_size) + 1);
    while (true) {
        // One byte past the limit is enough to know the file is too large.
        const auto room = maxBytes + 1 - bytes.size();
        const auto want = static_cast<std::size_t>(std::min<std::uint64_t>(kChunkBytes, room));
        const auto old = bytes.size();
        // Growing by doubling, but never past the limit's one extra byte: a
        // device read to its limit holds at most one and a half times it.
        if (old + want > bytes.capacity()) {
            bytes.reserve(static_cast<std::size_t>(
                std::min<std::uint64_t>(std::max(2 * bytes.capacity(), old + want), maxBytes + 1)));
        }
        bytes.resize(old + want);
        const auto n = ::read(fd.get(), bytes.data() + old, want);
        if (n < 0) {
            if (errno == EINTR) {
                bytes.resize(old);
                continue;
            }
            return fileError("ERR_FILE_READ", "cannot read", path, errno);
        }
        bytes.resize(old + static_cast<std::size_t>(n));
        if (n == 0) break;
        if (bytes.size() > maxBytes) return tooLarge(path, maxBytes);
    }
    return bytes;
}

}  // namespace vx
