// vexolume-cli firmware and simulate, end to end: the sample becomes an image
// on disk, and the simulator prints its frames as JSON.

#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <nlohmann/json.hpp>

#include "platform/file_io.h"
#include "platform/process.h"

namespace vx {
namespace {

namespace fs = std::filesystem;

TEST(CliFirmware, BuildsTheSampleAndSimulatesItsFrames) {
    const fs::path root = fs::temp_directory_path() / ("vx-cli-fw-" + std::to_string(::getpid()));
    fs::remove_all(root);
    fs::create_directories(root / "tools");
    fs::create_directories(root / "work");
    ::setenv("VEXOLUME_TOOLS", (root / "tools").c_str(), 1);

    auto built = runProcess({{VEXOLUME_CLI, "firmware", VEXOLUME_SOURCE_DIR "/examples/sample.led",
                              "--format", "1", "-o", (root / "work").string()},
                             root,
                             std::chrono::minutes(3),
                             root / "report.txt"});
    ASSERT_TRUE(built.ok()) << built.error().detail;
    EXPECT_EQ(built->exitCode, 0) << built->output;
    auto report = readFileBytes(root / "report.txt");
    ASSERT_TRUE(report.ok());
    const std::string reportText(report->begin(), report->end());
    EXPECT_NE(reportText.find("% of 32\r\n"), std::string::npos) << reportText;
    EXPECT_NE(reportText.find("image: " + (root / "work" / "sample1.hex").string()),
              std::string::npos);

    auto simulated =
        runProcess({{VEXOLUME_CLI, "simulate", (root / "work" / "sample1.hex").string(), "--lamps",
                     "160", "--seconds", "0.5", "--distinct", "--json"},
                    root,
                    std::chrono::minutes(1),
                    root / "frames.json"});
    ASSERT_TRUE(simulated.ok());
    EXPECT_EQ(simulated->exitCode, 0) << simulated->output;
    auto json = readFileBytes(root / "frames.json");
    ASSERT_TRUE(json.ok());
    const auto out = nlohmann::json::parse(json->begin(), json->end());
    EXPECT_EQ(out["lamps"], 160);
    EXPECT_GT(out["simulatedSeconds"].get<double>(), 0.4);
    ASSERT_GE(out["frames"].size(), 2u);
    for (const auto& frame : out["frames"]) {
        ASSERT_EQ(frame.size(), 481u);
        EXPECT_EQ(frame[0], 0);
    }
    // The line starts with port 1's first lamp (lamp 0, column 0: red in the
    // sweep's first step).
    EXPECT_EQ(out["frames"][0][1], 255);
    EXPECT_EQ(out["frames"][0][2], 0);
    EXPECT_EQ(out["frames"][0][3], 0);

    auto missing =
        runProcess({{VEXOLUME_CLI, "simulate", (root / "none.hex").string(), "--lamps", "1"},
                    root,
                    std::chrono::minutes(1),
                    std::nullopt});
    ASSERT_TRUE(missing.ok());
    EXPECT_NE(missing->exitCode, 0);
    fs::remove_all(root);
}

}  // namespace
}  // namespace vx
