#pragma once
// Checks of option values that CLI11's own ranges let through: "nan" and
// "inf" pass every comparison and so every CLI::Range. A refused value stops
// the command before it starts, with the text of "ERR_CLI_OPTION" in its line and
// the command-line status (cli/exit_status.h).

#include <CLI/CLI.hpp>

#include <cstddef>
#include <string>
#include <vector>

#include "base/result.h"

namespace vx::cli {

inline constexpr const char* kOptionKey = "ERR_CLI_OPTION";

// A finite number from min to max.
CLI::Validator finiteIn(double min, double max);
// A whole number from min to max.
CLI::Validator wholeIn(long long min, long long max);

// --partial A B: two mode positions, the first not after the second.
Status checkModeRange(const std::vector<std::size_t>& range);

}  // namespace vx::cli
