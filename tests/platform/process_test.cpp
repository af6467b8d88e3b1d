// Running outside programs with argument vectors, and the tool folder rules.

#include <gtest/gtest.h>

#include <map>

#include "platform/file_io.h"
#include "platform/process.h"
#include "platform/tool_folder.h"
#include "tests/support/temp_folder.h"

namespace vx {
namespace {

namespace fs = std::filesystem;

using Folder = test::TempFolder;

TEST(Process, RunsInItsFolderWithArgumentsPassedUntouched) {
    Folder dir("run");
    // A shell would expand these; an argument vector passes them as they are.
    ProcessRun run{{"sh", "-c", "pwd; printf '%s|' \"$0\" \"$1\"; echo oops >&2; exit 3",
                    "$HOME; echo injected", "*"},
                   dir.path(),
                   std::chrono::seconds(20),
                   std::nullopt};
    auto outcome = runProcess(run);
    ASSERT_TRUE(outcome.ok()) << outcome.error().detail;
    EXPECT_EQ(outcome->exitCode, 3);
    EXPECT_FALSE(outcome->timedOut);
    EXPECT_NE(outcome->output.find(fs::canonical(dir.path()).string() + "\n"), std::string::npos);
    EXPECT_NE(outcome->output.find("$HOME; echo injected|*|"), std::string::npos)
        << outcome->output;
    EXPECT_NE(outcome->output.find("oops"), std::string::npos);
}

TEST(Process, StandardOutputCanGoToAFileAndErrorsStayInTheOutput) {
    Folder dir("out");
    ProcessRun run{{"sh", "-c", "echo data; echo complaint >&2"},
                   dir.path(),
                   std::chrono::seconds(20),
                   dir.path() / "out.txt"};
    auto outcome = runProcess(run);
    ASSERT_TRUE(outcome.ok());
    EXPECT_EQ(outcome->exitCode, 0);
    EXPECT_EQ(outcome->output, "complaint\n");
    EXPECT_EQ(test::readText(dir.path() / "out.txt"), "data\n");
}

TEST(Process, StartFailuresAreErrorsNotExitCodes) {
    Folder dir("fail");
    auto missing =
        runProcess({{"vexolume-no-such-program"}, dir.path(), std::chrono::seconds(5), {}});
    ASSERT_FALSE(missing.ok());
    EXPECT_EQ(missing.error().key, "PROCESS_START");

    auto noFolder = runProcess({{"true"}, dir.path() / "absent", std::chrono::seconds(5), {}});
    ASSERT_FALSE(noFolder.ok());
    EXPECT_EQ(noFolder.error().key, "PROCESS_START");

    ASSERT_TRUE(writeFileAtomically(dir.path() / "plain.txt", std::string("not a program")));
    EXPECT_FALSE(findProgram((dir.path() / "plain.txt").string()).has_value());
    EXPECT_TRUE(findProgram("sh").has_value());
    EXPECT_FALSE(startDetached({(dir.path() / "plain.txt").string()}, dir.path()).ok());
}

TEST(ToolFolder, TakesTheFirstOfToolsVariableCacheHomeAndHome) {
    std::map<std::string, std::string> env;
    auto lookup = [&env](const std::string& name) -> std::optional<std::string> {
        auto it = env.find(name);
        if (it == env.end()) return std::nullopt;
        return it->second;
    };
    EXPECT_FALSE(toolFolderPath(lookup).ok());
    EXPECT_EQ(toolFolderPath(lookup).error().key, "TOOL_FOLDER_NONE");
    env["HOME"] = "/home/ann";
    EXPECT_EQ(*toolFolderPath(lookup), fs::path("/home/ann/.cache/vexolume/sys"));
    env["XDG_CACHE_HOME"] = "/var/cache/ann";
    EXPECT_EQ(*toolFolderPath(lookup), fs::path("/var/cache/ann/vexolume/sys"));
    env["VEXOLUME_TOOLS"] = "/opt/tools";
    EXPECT_EQ(*toolFolderPath(lookup), fs::path("/opt/tools"));

    Folder dir("tools");
    env["VEXOLUME_TOOLS"] = (dir.path() / "a" / "b").string();
    auto made = ensureToolFolder(lookup);
    ASSERT_TRUE(made.ok());
    EXPECT_TRUE(fs::is_directory(*made));
}

}  // namespace
}  // namespace vx
