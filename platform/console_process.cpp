#include "platform/console_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/child_process.h"

namespace vx {

Result<std::unique_ptr<ConsoleProcess>> ConsoleProcess::start(const std::vector<std::string>& argv,
                                                              const std::filesystem::path& folder) {
    // A socket for the input, so that writing to a program that has gone is
    // an error and not a SIGPIPE.
    int input[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, input) != 0) {
        return Error{"PROCESS_START", std::strerror(errno)};
    }
    int output[2];
    if (::pipe2(output, O_CLOEXEC) != 0) {
        ::close(input[0]);
        ::close(input[1]);
        return Error{"PROCESS_START", std::strerror(errno)};
    }
    auto pid = startChildProcess(argv, folder, input[1], output[1], output[1]);
    ::close(input[1]);
    ::close(output[1]);
    if (!pid) {
        ::close(input[0]);
        ::close(output[0]);
        return pid.error();
    }
    return std::unique_ptr<ConsoleProcess>(new ConsoleProcess(*pid, input[0], output[0]));
}

ConsoleProcess::~ConsoleProcess() {
    ::kill(-pid_, SIGKILL);
    ::close(input_);
    ::close(output_);
    int status = 0;
    while (::waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
    }
}

Status ConsoleProcess::send(std::string_view text) {
    while (!text.empty()) {
        const ssize_t n = ::send(input_, text.data(), text.size(), MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return Error{"PROCESS_ENDED", "the program no longer reads its input"};
        text.remove_prefix(static_cast<std::size_t>(n));
    }
    return {};
}

Result<std::string> ConsoleProcess::readUntil(std::string_view marker,
                                              std::chrono::steady_clock::time_point deadline,
                                              int stopFd) {
    std::size_t searched = 0;
    char buffer[8192];
    while (true) {
        const auto found =
            pending_.find(marker, searched > marker.size() ? searched - marker.size() : 0);
        if (found != std::string::npos) {
            const auto lineEnd = pending_.find('\n', found);
            if (lineEnd != std::string::npos) {
                std::string answer = pending_.substr(0, lineEnd + 1);
                pending_.erase(0, lineEnd + 1);
                return answer;
            }
        }
        searched = pending_.size();
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            return Error{"PROCESS_TIMEOUT", "no answer from the program in time"};
        }
        pollfd fds[2] = {{output_, POLLIN, 0}, {stopFd, POLLIN, 0}};
        const int ready = ::poll(fds, stopFd >= 0 ? 2 : 1, static_cast<int>(left.count()));
        if (ready < 0 && errno != EINTR) return Error{"PROCESS_ENDED", std::strerror(errno)};
        if (ready <= 0) continue;
        if (stopFd >= 0 && (fds[1].revents & POLLIN) != 0) {
            return Error{"PROCESS_STOPPED", "stopped"};
        }
        const ssize_t n = ::read(output_, buffer, sizeof buffer);
        if (n > 0) {
            pending_.append(buffer, static_cast<std::size_t>(n));
        } else if (n == 0 || errno != EINTR) {
            return Error{"PROCESS_ENDED", "the program ended"};
        }
    }
}

}  // namespace vx
