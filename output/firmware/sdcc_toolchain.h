#pragma once
// The toolchain run with SDCC, in the tool folder: the template's C files
// (sing1.mov, VIIC_C51.C, ZLG7290.C) are compiled for the 8052 with the Keil
// keyword header forced in, linked, and turned into "sing<format>.HEX"
// (packihx) and "sing<format>.BIN" (makebin, over the controller's whole
// 64 KB code space and cut after the last byte used). Each tool is its own process
// with an argument vector. The Keil batch files d.bat / cr.BAT are written
// with the template for people who build with that toolchain instead.

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "base/result.h"

namespace vx {

struct ToolchainOutcome {
    bool succeeded = false;  // every step ran and ended with status 0
    std::string log;         // each command line and the tools' own output
    // The run stops at the first step that fails; then these describe it.
    std::string failedStep;  // its command line, without the "$ "
    std::string stepOutput;  // its own output
    bool timedOut = false;   // it ran past the step time limit and was ended
    int exitCode = 0;        // its exit status (-1 when a signal or the limit ended it)
    bool stopped = false;    // the stop descriptor ended it
};

// Runs the toolchain. Fails (key "CRTBINDLG_ONBINGO_FTCB") only when sdcc,
// packihx or makebin cannot be started at all; a compile error is a finished
// run with `succeeded` false, the failed step described and the compiler's
// messages in `log`; no later step runs after a failed one. A step is ended
// at once when `stopFd` becomes readable (ProcessRun::stopFd).
Result<ToolchainOutcome> runSdccToolchain(const std::filesystem::path& toolFolder,
                                          const std::string& format,
                                          std::chrono::milliseconds stepLimit, int stopFd = -1);

}  // namespace vx
