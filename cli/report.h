#pragma once
// How the vexolume-cli commands report a failure on standard error.

#include <string>

#include "base/result.h"

namespace vx::cli {

// Prints "vexolume-cli: <subject>: <error>" and returns the exit status 1.
int fail(const std::string& subject, const Error& error);
// The same with the error's key as the subject.
int fail(const Error& error);

}  // namespace vx::cli
