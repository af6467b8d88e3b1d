#include "platform/file_io.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <string>

namespace vx {
namespace {

Error fileError(const char* key, const std::string& what, const std::filesystem::path& path,
                int err) {
    return Error{key, what + " " + path.string() + ": " + std::strerror(err)};
}

bool writeAll(int fd, const std::uint8_t* data, std::size_t size) {
    while (size > 0) {
        const auto n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

Result<std::vector<std::uint8_t>> readFileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return fileError("ERR_FILE_OPEN", "cannot open", path, errno);
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        return fileError("ERR_FILE_OPEN", "cannot open", path, EISDIR);
    }
    std::vector<std::uint8_t> bytes;
    const auto size = std::filesystem::file_size(path, ec);
    if (!ec) bytes.reserve(static_cast<std::size_t>(size));
    char buffer[1 << 16];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        const auto* p = reinterpret_cast<const std::uint8_t*>(buffer);
        bytes.insert(bytes.end(), p, p + in.gcount());
    }
    if (in.bad()) return fileError("ERR_FILE_READ", "cannot read", path, errno);
    return bytes;
}

Result<FileReplacement> stageFile(const std::filesystem::path& path,
                                  std::span<const std::uint8_t> bytes) {
    auto replacement = FileReplacement::begin(path);
    if (!replacement) return replacement.error();
    const auto& temp = replacement->tempPath();
    const int fd = ::open(temp.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd < 0) return fileError("ERR_FILE_SAVE", "cannot create", path, errno);
    const bool written = writeAll(fd, bytes.data(), bytes.size());
    const int writeErr = errno;
    if (::close(fd) != 0 || !written) {
        return fileError("ERR_FILE_SAVE", "cannot write", path, written ? errno : writeErr);
    }
    return replacement;
}

Status writeFileAtomically(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
    auto staged = stageFile(path, bytes);
    if (!staged) return staged.error();
    return staged->commit();
}

Status writeFileAtomically(const std::filesystem::path& path, std::string_view text) {
    const auto* p = reinterpret_cast<const std::uint8_t*>(text.data());
    return writeFileAtomically(path, std::span<const std::uint8_t>(p, text.size()));
}

}  // namespace vx
