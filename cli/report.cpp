#include "cli/report.h"

#include <iostream>

namespace vx::cli {

int fail(const std::string& subject, const Error& error) {
    std::cerr << "vexolume-cli: " << subject << ": " << error.describe() << '\n';
    return 1;
}

int fail(const Error& error) { return fail(error.key, error); }

}  // namespace vx::cli
