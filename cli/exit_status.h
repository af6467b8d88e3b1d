#pragma once
// The exit statuses of every vexolume-cli command, as the README's table
// lists them. A script tells a wrong command line from a failed run by them.

#include <string_view>

#include "base/result.h"

namespace vx::cli {

inline constexpr int kExitDone = 0;
// The run failed: an input refused, a file not written, a tool that failed.
inline constexpr int kExitFailed = 1;
// export: written, but a table over its limit was left empty.
inline constexpr int kExitTablesLeftOut = 2;
// Kept for commands that compare: differences were found.
inline constexpr int kExitDifferences = 3;
// The command line is wrong: an unknown command or option, a missing or
// malformed value, a value out of its range.
inline constexpr int kExitUsage = 64;
// A run stopped by signal N ends with 128 + N, as a shell reports it.
inline constexpr int kExitSignalBase = 128;

// kExitUsage for the errors of option values checked after parsing
// ("ERR_CLI_..."), else kExitFailed.
inline int exitStatusFor(const Error& error) {
    return std::string_view(error.key).starts_with("ERR_CLI_") ? kExitUsage : kExitFailed;
}

}  // namespace vx::cli
