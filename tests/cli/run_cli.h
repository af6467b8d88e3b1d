#pragma once
// Runs the built vexolume-cli as a user would, in a fresh folder per test,
// and collects its exit status and what it printed.

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/temp_folder.h"

namespace vx::test {

inline std::string quoted(const std::string& arg) {
    std::string q = "'";
    for (char c : arg) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

// Starts vexolume-cli and returns at once, its output discarded; the caller
// signals and waits for it.
inline pid_t startCli(const std::vector<std::string>& args) {
    std::vector<std::string> argv{VEXOLUME_CLI};
    argv.insert(argv.end(), args.begin(), args.end());
    std::vector<char*> cargv;
    for (auto& a : argv) cargv.push_back(a.data());
    cargv.push_back(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::freopen("/dev/null", "w", stdout);
        ::freopen("/dev/null", "w", stderr);
        ::execv(cargv[0], cargv.data());
        ::_exit(127);
    }
    return pid;
}

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

class CliRunTest : public ::testing::Test {
protected:
    std::filesystem::path file(const std::string& name) const { return folder_.path() / name; }

    Outcome run(const std::vector<std::string>& args) const {
        std::string command = quoted(VEXOLUME_CLI);
        for (const auto& a : args) command += " " + quoted(a);
        command += " >" + quoted(file("stdout").string()) + " 2>" + quoted(file("stderr").string());
        Outcome r;
        const int raw = std::system(command.c_str());
        r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        r.out = readText(file("stdout"));
        r.err = readText(file("stderr"));
        return r;
    }

private:
    TempFolder folder_;
};

}  // namespace vx::test
