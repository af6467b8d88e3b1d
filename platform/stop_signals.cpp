#include "platform/stop_signals.h"

#include <poll.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <cerrno>
#include <initializer_list>

namespace vx {

StopSignals::StopSignals() {
    sigset_t stops;
    sigemptyset(&stops);
    for (int sig : {SIGHUP, SIGINT, SIGQUIT, SIGTERM}) sigaddset(&stops, sig);
    if (::pthread_sigmask(SIG_BLOCK, &stops, &old_) != 0) return;
    fd_ = ::signalfd(-1, &stops, SFD_CLOEXEC | SFD_NONBLOCK);
    if (fd_ < 0) ::pthread_sigmask(SIG_SETMASK, &old_, nullptr);
}

StopSignals::~StopSignals() {
    if (fd_ < 0) return;
    // A signal never taken from the descriptor is still pending and acts
    // as usual once unblocked.
    ::close(fd_);
    ::pthread_sigmask(SIG_SETMASK, &old_, nullptr);
}

int StopSignals::received() {
    if (received_ != 0 || fd_ < 0) return received_;
    signalfd_siginfo info{};
    ssize_t n = 0;
    do {
        n = ::read(fd_, &info, sizeof info);
    } while (n < 0 && errno == EINTR);
    if (n == static_cast<ssize_t>(sizeof info)) received_ = static_cast<int>(info.ssi_signo);
    return received_;
}

}  // namespace vx
