#pragma once
// Taking Ctrl-C (SIGINT), SIGQUIT, SIGTERM and SIGHUP (the terminal closed)
// as a request to stop rather than as the end of the process, so that a
// command can end the programs it started and remove its scratch files
// first. While a StopSignals lives, these signals are blocked in the calling
// thread (create it before any other thread starts, so every thread inherits
// the mask) and wait in a descriptor that runProcess() can watch
// (ProcessRun::stopFd). The old mask comes back when it ends.

#include <signal.h>

namespace vx {

class StopSignals {
public:
    StopSignals();
    ~StopSignals();
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

    // Readable once a stop signal has come; -1 when none could be set up.
    int fd() const { return fd_; }
    // The signal that came (taking it from the descriptor), or 0.
    int received();

private:
    int fd_ = -1;
    int received_ = 0;
    sigset_t old_{};
};

}  // namespace vx
