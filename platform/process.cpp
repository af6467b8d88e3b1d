#include "platform/process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string_view>

extern char** environ;

namespace vx {
namespace {

Error startError(const std::string& program, const std::string& why) {
    return Error{"PROCESS_START", "cannot start " + program + ": " + why};
}

std::vector<char*> argvPointers(const std::vector<std::string>& argv) {
    std::vector<char*> pointers;
    pointers.reserve(argv.size() + 1);
    for (const auto& arg : argv) pointers.push_back(const_cast<char*>(arg.c_str()));
    pointers.push_back(nullptr);
    return pointers;
}

bool isExecutableFile(const std::filesystem::path& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
           ::access(path.c_str(), X_OK) == 0;
}

// Checks what can be checked before starting, so that a missing program or
// folder is a start failure and not an exit code of 127.
Result<std::filesystem::path> resolve(const std::vector<std::string>& argv,
                                      const std::filesystem::path& folder) {
    if (argv.empty()) return startError("(nothing)", "no program given");
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec)) {
        return startError(argv[0], "folder " + folder.string() + " does not exist");
    }
    auto program = findProgram(argv[0]);
    if (!program) return startError(argv[0], "not found or not executable");
    return *program;
}

}  // namespace

std::optional<std::filesystem::path> findProgram(const std::string& name) {
    if (name.empty()) return std::nullopt;
    if (name.find('/') != std::string::npos) {
        std::filesystem::path path = std::filesystem::absolute(name);
        if (isExecutableFile(path)) return path;
        return std::nullopt;
    }
    const char* pathVar = std::getenv("PATH");
    std::string_view dirs = pathVar != nullptr ? pathVar : "/usr/bin:/bin";
    while (true) {
        const auto colon = dirs.find(':');
        const std::string_view dir = dirs.substr(0, colon);
        const std::filesystem::path candidate =
            std::filesystem::path(dir.empty() ? "." : std::string(dir)) / name;
        if (isExecutableFile(candidate)) return std::filesystem::absolute(candidate);
        if (colon == std::string_view::npos) break;
        dirs.remove_prefix(colon + 1);
    }
    return std::nullopt;
}

Result<ProcessOutcome> runProcess(const ProcessRun& run) {
    auto program = resolve(run.argv, run.folder);
    if (!program) return program.error();

    int pipeFds[2];
    if (::pipe2(pipeFds, O_CLOEXEC) != 0) return startError(run.argv[0], std::strerror(errno));
    int outFd = -1;
    if (run.outputFile) {
        outFd = ::open(run.outputFile->c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (outFd < 0) {
            ::close(pipeFds[0]);
            ::close(pipeFds[1]);
            return startError(run.argv[0], "cannot write " + run.outputFile->string());
        }
    }

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, outFd >= 0 ? outFd : pipeFds[1], 1);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], 2);
    posix_spawn_file_actions_addchdir_np(&actions, run.folder.c_str());
    posix_spawnattr_t attr;
    posix_spawnattr_init(&attr);
    // Its own process group, so that a time limit ends whatever it started.
    posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETPGROUP);
    posix_spawnattr_setpgroup(&attr, 0);

    auto args = argvPointers(run.argv);
    pid_t pid = 0;
    const int rc = ::posix_spawn(&pid, program->c_str(), &actions, &attr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attr);
    ::close(pipeFds[1]);
    if (outFd >= 0) ::close(outFd);
    if (rc != 0) {
        ::close(pipeFds[0]);
        return startError(run.argv[0], std::strerror(rc));
    }

    ProcessOutcome outcome;
    const auto deadline = std::chrono::steady_clock::now() + run.timeLimit;
    char buffer[4096];
    bool open = true;
    while (open) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            ::kill(-pid, SIGKILL);
            outcome.timedOut = true;
            break;
        }
        pollfd fd{pipeFds[0], POLLIN, 0};
        const int ready = ::poll(&fd, 1, static_cast<int>(left.count()));
        if (ready < 0 && errno != EINTR) break;
        if (ready <= 0) continue;
        const auto n = ::read(pipeFds[0], buffer, sizeof buffer);
        if (n > 0) {
            outcome.output.append(buffer, static_cast<std::size_t>(n));
        } else if (n == 0 || errno != EINTR) {
            open = false;
        }
    }
    ::close(pipeFds[0]);

    int status = 0;
    while (true) {
        if (!outcome.timedOut) {
            // The output closed; the program may still be running with it closed.
            const auto left = deadline - std::chrono::steady_clock::now();
            const pid_t done = ::waitpid(pid, &status, WNOHANG);
            if (done == pid) break;
            if (done < 0 && errno != EINTR) break;
            if (left.count() <= 0) {
                ::kill(-pid, SIGKILL);
                outcome.timedOut = true;
                continue;
            }
            ::usleep(2000);
            continue;
        }
        if (::waitpid(pid, &status, 0) == pid || errno != EINTR) break;
    }
    if (!outcome.timedOut && WIFEXITED(status)) outcome.exitCode = WEXITSTATUS(status);
    return outcome;
}

Status startDetached(const std::vector<std::string>& argv, const std::filesystem::path& folder) {
    auto program = resolve(argv, folder);
    if (!program) return program.error();
    // The program is started by a short-lived intermediate child, so that it
    // is adopted by init and never left as a zombie of ours.
    int errPipe[2];
    if (::pipe2(errPipe, O_CLOEXEC) != 0) return startError(argv[0], std::strerror(errno));
    auto args = argvPointers(argv);
    const std::string programPath = program->string();
    const std::string folderPath = folder.string();
    const pid_t middle = ::fork();
    if (middle < 0) {
        ::close(errPipe[0]);
        ::close(errPipe[1]);
        return startError(argv[0], std::strerror(errno));
    }
    if (middle == 0) {
        ::setsid();
        const pid_t child = ::fork();
        if (child == 0) {
            int err = 0;
            if (::chdir(folderPath.c_str()) == 0) {
                ::execve(programPath.c_str(), args.data(), environ);
            }
            err = errno;
            (void)!::write(errPipe[1], &err, sizeof err);
            ::_exit(127);
        }
        ::_exit(child < 0 ? 1 : 0);
    }
    ::close(errPipe[1]);
    int status = 0;
    while (::waitpid(middle, &status, 0) < 0 && errno == EINTR) {
    }
    int err = 0;
    ssize_t n = 0;
    do {
        n = ::read(errPipe[0], &err, sizeof err);
    } while (n < 0 && errno == EINTR);
    ::close(errPipe[0]);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        return startError(argv[0], "could not fork");
    }
    if (n == static_cast<ssize_t>(sizeof err)) return startError(argv[0], std::strerror(err));
    return {};
}

}  // namespace vx
