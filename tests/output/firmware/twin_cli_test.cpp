// vexolume-cli twin: the families example's image run in the simulator
// beside the preview reports exactly the documented differences of the
// kinds its programs use, each named; a layout of kinds the controller plays
// as the preview does reports none; an empty program group is refused.

#include <gtest/gtest.h>

#include <map>
#include <nlohmann/json.hpp>
#include <set>
#include <string>

#include "platform/process.h"
#include "tests/support/scoped_env.h"
#include "tests/support/temp_folder.h"

namespace vx {
namespace {

namespace fs = std::filesystem;

struct Twin {
    int status = -1;
    nlohmann::json report;
    std::string output;
};

Twin runTwin(const fs::path& tools, const std::string& layout, const std::string& program,
             const std::string& seconds) {
    const test::ScopedEnv env("VEXOLUME_TOOLS", tools.string());
    ProcessRun run;
    run.argv = {VEXOLUME_CLI, "twin", layout, "--program", program, "--seconds", seconds, "--json"};
    run.folder = fs::temp_directory_path();
    run.timeLimit = std::chrono::minutes(5);
    auto outcome = runProcess(run);
    Twin twin;
    if (!outcome) return twin;
    twin.status = outcome->exitCode;
    twin.output = outcome->output;
    const auto json = twin.output.find('{');
    if (json != std::string::npos) {
        twin.report = nlohmann::json::parse(twin.output.substr(json), nullptr, false);
    }
    return twin;
}

// The verdicts with frames, by name.
std::map<std::string, int> differences(const nlohmann::json& report) {
    std::map<std::string, int> found;
    for (const auto& [name, frames] : report.at("frames").items()) {
        if (name != "agrees" && frames.get<int>() > 0) found[name] = frames.get<int>();
    }
    return found;
}

TEST(TwinCli, FamiliesReportsExactlyTheDocumentedDifferences) {
    const test::TempFolder tools("twin-tools");
    const std::string families = VEXOLUME_SOURCE_DIR "/examples/families.led";
    struct Case {
        const char* program;
        std::set<std::string> expected;  // documented, and nothing else
        const char* firstKind;
    };
    // Program 0 opens with a lamp colour change read from the end (PlayKind
    // 6), whose colours stay in reverse under the lamp fill after it;
    // program 1 (chosen with the key) holds a shrinking fill, and modes whose
    // painting outlasts their step.
    for (const Case& c : {Case{"0", {"reversed-colours"}, "CM_LEFTTORIGHT_CC"},
                          Case{"1", {"fill-from-black", "step-timing"}, "CM_EXPANDCIRCULAR_GC"}}) {
        SCOPED_TRACE(std::string("program ") + c.program);
        const Twin twin = runTwin(tools.path(), families, c.program, "12");
        ASSERT_EQ(twin.status, 0) << twin.output;
        ASSERT_TRUE(twin.report.is_object()) << twin.output;
        EXPECT_TRUE(twin.report.at("agrees").get<bool>());
        EXPECT_GT(twin.report.at("framesCompared").get<int>(), 100);
        std::set<std::string> found;
        for (const auto& [name, frames] : differences(twin.report)) found.insert(name);
        EXPECT_EQ(found, c.expected);
        const auto& first = twin.report.at("first");
        ASSERT_TRUE(first.is_object());
        EXPECT_TRUE(first.at("documented").get<bool>());
        EXPECT_EQ(first.at("kind"), c.firstKind);
        EXPECT_TRUE(twin.report.at("firstUnexplained").is_null());
        // A rule's frames are counted for the mode whose rule it is.
        for (const auto& mode : twin.report.at("byMode")) {
            const auto& frames = mode.at("frames");
            if (frames.contains("fill-from-black")) {
                EXPECT_EQ(mode.at("playKind"), 8);
            }
            if (frames.contains("reversed-colours")) {
                EXPECT_EQ(mode.at("playKind"), 6);
            }
        }
    }
}

TEST(TwinCli, KindsThatAgreeReportNoneAndTheLoopIsNamed) {
    const test::TempFolder folder("twin-agree");
    const fs::path layout = folder.path() / "sweep.led";
    // One group colour change (PlayKind 2) over 40 lamps, 3.2 s long.
    ProcessRun wizard;
    wizard.argv = {VEXOLUME_CLI, "wizard",   "--cols", "8",  "--rows",
                   "5",          "--styles", "0",      "-o", layout.string()};
    wizard.folder = folder.path();
    auto made = runProcess(wizard);
    ASSERT_TRUE(made.ok() && made->exitCode == 0);
    const fs::path tools = folder.path() / "tools";
    fs::create_directories(tools);
    const Twin once = runTwin(tools, layout.string(), "0", "3");
    ASSERT_EQ(once.status, 0) << once.output;
    EXPECT_TRUE(differences(once.report).empty()) << once.output;
    EXPECT_TRUE(once.report.at("first").is_null());
    // Played past its end, the controller starts it again.
    const Twin again = runTwin(tools, layout.string(), "0", "6");
    ASSERT_EQ(again.status, 0) << again.output;
    EXPECT_EQ(differences(again.report).count("loops"), 1u) << again.output;
    EXPECT_EQ(again.report.at("first").at("verdict"), "loops");

    // Program group 5 has no modes: refused before anything is built.
    const Twin empty = runTwin(tools, layout.string(), "5", "3");
    EXPECT_EQ(empty.status, 1);
    EXPECT_NE(empty.output.find("This program group has no modes"), std::string::npos)
        << empty.output;
}

}  // namespace
}  // namespace vx
