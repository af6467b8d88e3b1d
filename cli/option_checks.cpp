#include "cli/option_checks.h"

#include "cli/report.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <sstream>

namespace vx::cli {
namespace {

std::string number(double value) {
    std::ostringstream text;
    text << value;
    return text.str();
}

std::string refusal(const std::string& wanted, const std::string& input) {
    return messageText(Error{kOptionKey, "must be " + wanted + ", not \"" + input + "\""});
}

}  // namespace

CLI::Validator finiteIn(double min, double max) {
    const std::string wanted = "a number from " + number(min) + " to " + number(max);
    return CLI::Validator(
        [=](std::string& input) -> std::string {
            errno = 0;
            char* end = nullptr;
            const double value = std::strtod(input.c_str(), &end);
            if (input.empty() || end != input.c_str() + input.size() || errno == ERANGE ||
                !std::isfinite(value) || value < min || value > max) {
                return refusal(wanted, input);
            }
            return {};
        },
        "NUMBER in [" + number(min) + ", " + number(max) + "]");
}

CLI::Validator wholeIn(long long min, long long max) {
    const std::string wanted =
        "a whole number from " + std::to_string(min) + " to " + std::to_string(max);
    return CLI::Validator(
        [=](std::string& input) -> std::string {
            errno = 0;
            char* end = nullptr;
            const long long value = std::strtoll(input.c_str(), &end, 10);
            if (input.empty() || end != input.c_str() + input.size() || errno == ERANGE ||
                value < min || value > max) {
                return refusal(wanted, input);
            }
            return {};
        },
        "INT in [" + std::to_string(min) + ", " + std::to_string(max) + "]");
}

Status checkModeRange(const std::vector<std::size_t>& range) {
    if (range.size() == 2 && range[0] > range[1]) {
        return Error{kOptionKey, "--partial " + std::to_string(range[0]) + " " +
                                     std::to_string(range[1]) +
                                     ": the first mode must not come after the last"};
    }
    return {};
}

}  // namespace vx::cli
