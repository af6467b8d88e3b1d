#include "platform/private_folder.h"

#include <signal.h>
#include <stdlib.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace vx {
namespace {

namespace fs = std::filesystem;

// The process id in "<prefix><pid>-XXXXXX", or 0.
pid_t ownerOf(const std::string& name, const std::string& prefix) {
    if (!name.starts_with(prefix)) return 0;
    const std::string rest = name.substr(prefix.size());
    const auto dash = rest.find('-');
    if (dash == 0 || dash == std::string::npos || dash > 9) return 0;
    const std::string digits = rest.substr(0, dash);
    if (digits.find_first_not_of("0123456789") != std::string::npos) return 0;
    return static_cast<pid_t>(std::stol(digits));
}

}  // namespace

void PrivateFolder::removeAbandoned(const fs::path& parent, const std::string& prefix) {
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(parent, ec)) {
        const pid_t owner = ownerOf(entry.path().filename().string(), prefix);
        // A live owner may not have locked its new folder yet; a folder on a
        // shared file system may belong to a process of another machine,
        // whose lock tells.
        if (owner <= 0 || ::kill(owner, 0) == 0 || errno != ESRCH) continue;
        if (!fs::is_directory(fs::symlink_status(entry.path(), ec))) continue;
        if (auto lock = FolderLock::tryAcquire(entry.path())) fs::remove_all(entry.path(), ec);
    }
}

Result<PrivateFolder> PrivateFolder::create(const fs::path& parent, const std::string& prefix) {
    removeAbandoned(parent, prefix);
    std::string name = (parent / (prefix + std::to_string(::getpid()) + "-XXXXXX")).string();
    if (::mkdtemp(name.data()) == nullptr) {
        return Error{"ERR_FILE_SAVE",
                     "cannot make a folder in " + parent.string() + ": " + std::strerror(errno)};
    }
    auto lock = FolderLock::acquire(name);
    if (!lock) {
        std::error_code ec;
        fs::remove_all(name, ec);
        return Error{"ERR_FILE_SAVE", lock.error().detail};
    }
    return PrivateFolder(name, std::move(*lock));
}

PrivateFolder::PrivateFolder(PrivateFolder&& other) noexcept
    : lock_(std::move(other.lock_)), path_(std::move(other.path_)) {
    other.path_.clear();
}

PrivateFolder::~PrivateFolder() {
    if (path_.empty()) return;
    std::error_code ec;
    fs::remove_all(path_, ec);
}

}  // namespace vx
