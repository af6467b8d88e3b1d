// vexolume-cli ports and export, run as a separate process.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "tests/support/test_files.h"

namespace vx {
namespace {

namespace fs = std::filesystem;

const fs::path kSample = fs::path(VEXOLUME_SOURCE_DIR) / "examples" / "sample.led";

int runCli(const std::string& arguments, const fs::path& errors) {
    const std::string command = std::string("'") + VEXOLUME_CLI + "' " + arguments + " 2>'" +
                                errors.string() + "' >/dev/null";
    return std::system(command.c_str());
}

std::size_t entryCount(const fs::path& folder) {
    std::size_t n = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder)) ++n;
    return n;
}

TEST(CliExport, WritesTheFiveFilesOfTheSample) {
    test::ScratchDir dir("cli-export");
    const fs::path out = dir.path() / "out";
    fs::create_directories(out);
    ASSERT_EQ(runCli("export '" + kSample.string() + "' -o '" + out.string() + "'",
                     dir.path() / "err.txt"),
              0)
        << test::fileText(dir.path() / "err.txt");
    for (const char* name : {"cport.h", "DSPPTN.H", "CSTGRP.h", "GETPTN.c", "CData.h"}) {
        EXPECT_EQ(test::fileText(out / name), test::golden(std::string("sample/") + name)) << name;
    }
    EXPECT_EQ(entryCount(out), 5u);
}

TEST(CliExport, FailuresWriteNothingAndSayWhy) {
    test::ScratchDir dir("cli-fail");
    const fs::path out = dir.path() / "out";
    fs::create_directories(out);
    const fs::path damaged = dir.path() / "damaged.led";
    ASSERT_TRUE(writeFileAtomically(damaged, std::string(100, '\0')));

    EXPECT_NE(runCli("export '" + damaged.string() + "' -o '" + out.string() + "'",
                     dir.path() / "err.txt"),
              0);
    EXPECT_NE(test::fileText(dir.path() / "err.txt").find("ERR_"), std::string::npos);
    EXPECT_NE(runCli("export '" + kSample.string() + "' -o '" + (dir.path() / "none").string() +
                         "'",
                     dir.path() / "err.txt"),
              0);
    EXPECT_EQ(entryCount(out), 0u);
}

TEST(CliPorts, WritesThePortTable) {
    test::ScratchDir dir("cli-ports");
    ASSERT_EQ(runCli("ports '" + kSample.string() + "' -o '" + dir.path().string() + "'",
                     dir.path() / "err.txt"),
              0);
    EXPECT_EQ(test::fileText(dir.path() / "cport.h"), test::golden("sample/cport.h"));
}

}  // namespace
}  // namespace vx
