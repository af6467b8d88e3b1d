#pragma once
// Starting outside programs. Programs are always given as an argument vector
// and run in a named folder; no shell ever sees the arguments, so names from
// user files cannot turn into commands.

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "base/result.h"

namespace vx {

struct ProcessRun {
    std::vector<std::string> argv;  // argv[0] is the program: a path, or a name found on PATH
    std::filesystem::path folder;   // current folder of the process
    std::chrono::milliseconds timeLimit{60000};
    std::optional<std::filesystem::path> outputFile;  // standard output goes here when set
    // When this descriptor becomes readable (e.g. a signalfd of Ctrl-C), the
    // program is ended at once; -1 for none.
    int stopFd = -1;
};

struct ProcessOutcome {
    int exitCode = -1;      // exit status, or -1 when ended by a signal or the time limit
    bool timedOut = false;  // the time limit ended it (it was killed)
    bool stopped = false;   // stopFd ended it (it was killed)
    std::string output;     // standard error, and standard output unless outputFile is set
};

// Runs the program to its end, to the time limit or until stopFd is readable.
// Fails (key "PROCESS_START") only when the program cannot be started at all:
// not found, not executable, or the folder does not exist.
//
// The program runs in a process group of its own, and whatever is left of
// that group when the run returns is killed, on every path. It also gets a
// parent-death signal (SIGKILL), so it ends with the thread that started it
// even when that thread's process is killed outright; the calling thread
// stays in this function for the program's whole life, so that holds.
Result<ProcessOutcome> runProcess(const ProcessRun& run);

// Starts the program and returns without waiting for it; it is not our child
// afterwards, so it needs no reaping. Fails (key "PROCESS_START") when it
// cannot be started.
Status startDetached(const std::vector<std::string>& argv, const std::filesystem::path& folder);

// The full path of a program name found on PATH, or of a path that names an
// executable file; nothing when there is none.
std::optional<std::filesystem::path> findProgram(const std::string& name);

}  // namespace vx
