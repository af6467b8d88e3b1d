#include "platform/process.h"

#include "platform/child_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
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

struct ChildSetup {
    std::string program;
    std::string folder;
    std::vector<char*> argv;
    int stdinFd;  // -1: /dev/null
    int stdoutFd;
    int stderrFd;
    int errFd;  // the exec error goes here; closed by a successful exec
    pid_t parent;
};

// In the forked child: only async-signal-safe calls up to exec.
[[noreturn]] void startChild(const ChildSetup& setup) {
    ::setpgid(0, 0);
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    // The parent may have died before the signal was asked for.
    if (::getppid() != setup.parent) ::_exit(127);
    // Signals the caller blocks or ignores (to take them through a signalfd)
    // must reach the program as usual.
    sigset_t none;
    sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
    struct sigaction dfl {};
    dfl.sa_handler = SIG_DFL;
    for (int sig : {SIGINT, SIGQUIT, SIGTERM, SIGPIPE, SIGHUP}) ::sigaction(sig, &dfl, nullptr);
    const int input =
        setup.stdinFd >= 0 ? setup.stdinFd : ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    int err = 0;
    if (input < 0 || ::dup2(input, 0) < 0 || ::dup2(setup.stdoutFd, 1) < 0 ||
        ::dup2(setup.stderrFd, 2) < 0 || ::chdir(setup.folder.c_str()) != 0) {
        err = errno;
    } else {
        ::execve(setup.program.c_str(), setup.argv.data(), environ);
        err = errno;
    }
    (void)!::write(setup.errFd, &err, sizeof err);
    ::_exit(127);
}

// The child's exec error, or 0 when the exec succeeded (the pipe closed).
int readExecError(int fd) {
    int err = 0;
    ssize_t n = 0;
    do {
        n = ::read(fd, &err, sizeof err);
    } while (n < 0 && errno == EINTR);
    ::close(fd);
    return n == static_cast<ssize_t>(sizeof err) ? (err != 0 ? err : EIO) : 0;
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

Result<pid_t> startChildProcess(const std::vector<std::string>& argv,
                                const std::filesystem::path& folder, int stdinFd, int stdoutFd,
                                int stderrFd) {
    auto program = resolve(argv, folder);
    if (!program) return program.error();
    int errPipe[2];
    if (::pipe2(errPipe, O_CLOEXEC) != 0) return startError(argv[0], std::strerror(errno));

    // Everything the child needs is made before fork: between fork and exec
    // it may only make system calls (another thread may hold the heap's lock).
    ChildSetup setup{program->string(), folder.string(), argvPointers(argv), stdinFd,
                     stdoutFd,          stderrFd,        errPipe[1],         ::getpid()};
    const pid_t pid = ::fork();
    if (pid == 0) startChild(setup);
    const int forkErr = errno;
    ::close(errPipe[1]);
    if (pid < 0) {
        ::close(errPipe[0]);
        return startError(argv[0], std::strerror(forkErr));
    }
    // Also set here, so that a kill of the group cannot miss a child that has
    // not run yet.
    ::setpgid(pid, pid);
    const int execErr = readExecError(errPipe[0]);
    if (execErr != 0) {
        int status = 0;
        while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
        return startError(argv[0], std::strerror(execErr));
    }
    return pid;
}

Result<ProcessOutcome> runProcess(const ProcessRun& run) {
    // Checked before the output file is touched.
    if (auto program = resolve(run.argv, run.folder); !program) return program.error();
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
    auto started =
        startChildProcess(run.argv, run.folder, -1, outFd >= 0 ? outFd : pipeFds[1], pipeFds[1]);
    ::close(pipeFds[1]);
    if (outFd >= 0) ::close(outFd);
    if (!started) {
        ::close(pipeFds[0]);
        return started.error();
    }
    const pid_t pid = *started;

    ProcessOutcome outcome;
    const auto deadline = std::chrono::steady_clock::now() + run.timeLimit;
    auto endGroup = [&](bool& why) {
        ::kill(-pid, SIGKILL);
        why = true;
    };
    char buffer[4096];
    bool open = true;
    while (open) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            endGroup(outcome.timedOut);
            break;
        }
        pollfd fds[2] = {{pipeFds[0], POLLIN, 0}, {run.stopFd, POLLIN, 0}};
        const int ready = ::poll(fds, run.stopFd >= 0 ? 2 : 1, static_cast<int>(left.count()));
        if (ready < 0 && errno != EINTR) break;
        if (ready <= 0) continue;
        if (run.stopFd >= 0 && (fds[1].revents & POLLIN) != 0) {
            endGroup(outcome.stopped);
            break;
        }
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
        if (!outcome.timedOut && !outcome.stopped) {
            // The output closed; the program may still be running with it closed.
            const auto left = deadline - std::chrono::steady_clock::now();
            const pid_t done = ::waitpid(pid, &status, WNOHANG);
            if (done == pid) break;
            if (done < 0 && errno != EINTR) break;
            if (left.count() <= 0) {
                endGroup(outcome.timedOut);
                continue;
            }
            pollfd stop{run.stopFd, POLLIN, 0};
            if (run.stopFd >= 0 && ::poll(&stop, 1, 2) > 0 && (stop.revents & POLLIN) != 0) {
                endGroup(outcome.stopped);
                continue;
            }
            if (run.stopFd < 0) ::usleep(2000);
            continue;
        }
        if (::waitpid(pid, &status, 0) == pid || errno != EINTR) break;
    }
    // Whatever the program left running in its group ends with it.
    ::kill(-pid, SIGKILL);
    if (!outcome.timedOut && !outcome.stopped && WIFEXITED(status)) {
        outcome.exitCode = WEXITSTATUS(status);
    }
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
