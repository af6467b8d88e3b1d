#pragma once
// Runs vexolume-cli under a CPU-time limit, an address-space limit and a
// wall-clock limit, and reports how it ended and what it used.

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

namespace vx::test {

// The sanitizers reserve terabytes of address space and run several times
// slower, so under them time is bounded more loosely and memory by the
// resident size instead.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif
#else
constexpr bool kSanitized = false;
#endif

struct RunLimits {
    int cpuSeconds = 2;
    std::uint64_t addressSpaceBytes = 0;  // 0: no limit
    int wallSeconds = 30;                 // a hang ends here
};

struct LimitedOutcome {
    bool exited = false;  // false: killed by a signal, or by the wall-clock limit
    int status = -1;
    int signal = 0;
    double seconds = 0;
    long maxRssKilobytes = 0;
};

// Runs `program args...` in `folder`, standard output and error into the
// files named; `env` entries ("NAME=value") are set for the child only.
inline LimitedOutcome runLimited(const std::string& program, const std::vector<std::string>& args,
                                 const std::filesystem::path& folder,
                                 const std::filesystem::path& out, const std::filesystem::path& err,
                                 const RunLimits& limits,
                                 const std::vector<std::string>& env = {}) {
    std::vector<std::string> argv{program};
    argv.insert(argv.end(), args.begin(), args.end());
    std::vector<char*> cargv;
    for (auto& a : argv) cargv.push_back(a.data());
    cargv.push_back(nullptr);

    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (::chdir(folder.c_str()) != 0) ::_exit(126);
        const int o = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int e = ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (o < 0 || e < 0 || ::dup2(o, 1) < 0 || ::dup2(e, 2) < 0) ::_exit(126);
        const rlimit cpu{static_cast<rlim_t>(limits.cpuSeconds),
                         static_cast<rlim_t>(limits.cpuSeconds + 1)};
        ::setrlimit(RLIMIT_CPU, &cpu);
        if (limits.addressSpaceBytes > 0) {
            const rlimit as{limits.addressSpaceBytes, limits.addressSpaceBytes};
            ::setrlimit(RLIMIT_AS, &as);
        }
        for (const auto& entry : env) ::putenv(const_cast<char*>(entry.c_str()));
        ::execv(program.c_str(), cargv.data());
        ::_exit(127);
    }
    LimitedOutcome r;
    if (pid < 0) return r;
    int raw = 0;
    rusage usage{};
    while (true) {
        const pid_t done = ::wait4(pid, &raw, WNOHANG, &usage);
        if (done == pid) break;
        const auto waited = std::chrono::steady_clock::now() - start;
        if (waited > std::chrono::seconds(limits.wallSeconds)) {
            ::kill(pid, SIGKILL);
            ::wait4(pid, &raw, 0, &usage);
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    r.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    r.exited = WIFEXITED(raw);
    r.status = r.exited ? WEXITSTATUS(raw) : -1;
    r.signal = WIFSIGNALED(raw) ? WTERMSIG(raw) : 0;
    r.maxRssKilobytes = usage.ru_maxrss;
    return r;
}

}  // namespace vx::test
