#include "platform/scratch_folder.h"

#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <string_view>

namespace vx {
namespace {

namespace fs = std::filesystem;

void removeAbandoned(const std::string& prefix) {
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(fs::temp_directory_path(), ec)) {
        const std::string name = entry.path().filename().string();
        if (!name.starts_with(prefix)) continue;
        const std::string digits = name.substr(prefix.size());
        if (digits.empty() || digits.find_first_not_of("0123456789") != std::string::npos ||
            digits.size() > 9) {
            continue;
        }
        const auto pid = static_cast<pid_t>(std::stol(digits));
        if (::kill(pid, 0) != 0 && errno == ESRCH) fs::remove_all(entry.path(), ec);
    }
}

}  // namespace

ScratchFolder::ScratchFolder(std::string prefix)
    : path_(fs::temp_directory_path() / (prefix + std::to_string(::getpid()))) {
    removeAbandoned(prefix);
    std::error_code ec;
    fs::create_directories(path_, ec);
}

ScratchFolder::~ScratchFolder() {
    std::error_code ec;
    fs::remove_all(path_, ec);
}

}  // namespace vx
