#pragma once
// Watching other processes from a test: their state in /proc, and waiting
// for a condition with a time limit.

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <thread>

namespace vx::test {

struct ProcInfo {
    pid_t parent = 0;
    std::string name;
    char state = '?';
};

inline std::optional<ProcInfo> procInfo(pid_t pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    if (!std::getline(in, line)) return std::nullopt;
    const auto open = line.find('(');
    const auto close = line.rfind(')');
    if (open == std::string::npos || close == std::string::npos) return std::nullopt;
    ProcInfo info;
    info.name = line.substr(open + 1, close - open - 1);
    std::istringstream rest(line.substr(close + 2));
    rest >> info.state >> info.parent;
    return info;
}

// Gone, or a zombie nobody has reaped yet, is not running.
inline bool running(pid_t pid) {
    const auto info = procInfo(pid);
    return info && info->state != 'Z';
}

// A child of `parent` running the program `name`, or 0.
inline pid_t childNamed(pid_t parent, const std::string& name) {
    for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
        const std::string digits = entry.path().filename();
        if (digits.find_first_not_of("0123456789") != std::string::npos) continue;
        const auto pid = static_cast<pid_t>(std::stol(digits));
        const auto info = procInfo(pid);
        if (info && info->parent == parent && info->name == name) return pid;
    }
    return 0;
}

template <class Predicate>
bool waitFor(Predicate done, std::chrono::milliseconds limit) {
    const auto until = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() > until) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

}  // namespace vx::test
