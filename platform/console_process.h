#pragma once
// A program driven through its command console: commands go to its standard
// input, and its answers are read from its standard output (with standard
// error) up to a marker. The program runs in a process group of its own and
// dies with the thread that started it; the group is killed when the object
// goes.

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/result.h"

namespace vx {

class ConsoleProcess {
public:
    // Fails ("PROCESS_START") when the program cannot be started.
    static Result<std::unique_ptr<ConsoleProcess>> start(const std::vector<std::string>& argv,
                                                         const std::filesystem::path& folder);
    ~ConsoleProcess();
    ConsoleProcess(const ConsoleProcess&) = delete;
    ConsoleProcess& operator=(const ConsoleProcess&) = delete;

    // Fails ("PROCESS_ENDED") when the program no longer reads.
    Status send(std::string_view text);
    // The output up to and including the first line that holds `marker`.
    // Fails with "PROCESS_TIMEOUT" at the deadline, "PROCESS_STOPPED" when
    // stopFd (-1 for none) is readable and "PROCESS_ENDED" when the output
    // closes first.
    Result<std::string> readUntil(std::string_view marker,
                                  std::chrono::steady_clock::time_point deadline, int stopFd = -1);

private:
    ConsoleProcess(pid_t pid, int input, int output) : pid_(pid), input_(input), output_(output) {}

    pid_t pid_;
    int input_;
    int output_;
    std::string pending_;  // read but not yet returned
};

}  // namespace vx
