#pragma once
// Starting a program as runProcess does (a process group of its own, a
// parent-death signal, the caller's blocked signals unblocked), with the
// caller's descriptors as its standard streams, for callers that talk to it
// while it runs.

#include <sys/types.h>

#include <filesystem>
#include <string>
#include <vector>

#include "base/result.h"

namespace vx {

// stdinFd -1 gives /dev/null. Fails ("PROCESS_START") when the program cannot
// be started; the caller owns the returned child and must reap it.
Result<pid_t> startChildProcess(const std::vector<std::string>& argv,
                                const std::filesystem::path& folder, int stdinFd, int stdoutFd,
                                int stderrFd);

}  // namespace vx
