// vexolume-cli ports and export, run as a separate process; two exports
// into one folder at once.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <thread>
#include <tuple>

#include "platform/folder_lock.h"
#include "platform/process.h"
#include "tests/output/firmware/firmware_folders.h"
#include "tests/output/oversized_layout.h"
#include "tests/support/processes.h"
#include "tests/support/scoped_env.h"
#include "tests/support/test_files.h"

namespace vx {
namespace {

namespace fs = std::filesystem;

const fs::path kSample = fs::path(VEXOLUME_SOURCE_DIR) / "examples" / "sample.led";

int runCli(const std::string& arguments, const fs::path& errors,
           const fs::path& output = "/dev/null") {
    const std::string command = std::string("'") + VEXOLUME_CLI + "' " + arguments + " 2>'" +
                                errors.string() + "' >'" + output.string() + "'";
    return std::system(command.c_str());
}

TEST(CliExport, TableOverItsLimitIsLeftOutAndTheRestWritten) {
    test::ScratchDir dir("cli-over");
    const fs::path out = dir.path() / "out";
    fs::create_directories(out);
    const fs::path layout = test::writeTooColorfulLayout(dir.path());
    const int status = runCli("export '" + layout.string() + "' -o '" + out.string() + "'",
                              dir.path() / "err.txt");
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 2);
    const std::string errors = test::fileText(dir.path() / "err.txt");
    EXPECT_NE(errors.find("Too many colour groups: at most 101"), std::string::npos) << errors;
    EXPECT_NE(errors.find("leaves out 102 program step(s)"), std::string::npos) << errors;
    EXPECT_EQ(test::fileNames(out).size(), 5u);
}

// A custom mode whose list index names none of the designer's lists is
// dropped, so the files name only lists they hold; a missing output folder is
// created.
TEST(CliExport, CustomModesWithListsBeyondTheirTablesAreDroppedAndTheFolderIsCreated) {
    test::ScratchDir dir("cli-custom");
    auto doc = nlohmann::json::parse(test::fileText(VEXOLUME_TEST_DATA "/layout/sample.json"));
    ASSERT_EQ(doc["clusters"].size(), 1u);
    ASSERT_EQ(doc["clusterGroups"].size(), 0u);
    for (const auto& [kindCode, lamps, groups] : {std::tuple{5, 9, -1}, std::tuple{2, -1, 0}}) {
        auto mode = doc["modes"][0];
        mode["kind"] = "CM_CUSTOMMODE";
        mode["kindCode"] = kindCode;
        mode["lampListIndex"] = lamps;
        mode["groupListIndex"] = groups;
        auto entry = mode;
        entry["kindCode"] = doc["modes"].size();
        doc["modes"].push_back(mode);
        doc["programGroups"][0].push_back(entry);
    }
    const fs::path layout = dir.path() / "custom.json";
    ASSERT_TRUE(writeFileAtomically(layout, doc.dump()));
    const fs::path out = dir.path() / "new" / "out";
    ASSERT_EQ(runCli("export '" + layout.string() + "' -o '" + out.string() + "'",
                     dir.path() / "err.txt"),
              0)
        << test::fileText(dir.path() / "err.txt");
    // The same program as the sample's own.
    EXPECT_EQ(test::fileText(out / "DSPPTN.H"), test::golden("sample/DSPPTN.H"));
    EXPECT_EQ(test::fileNames(out).size(), 5u);
}

TEST(CliFirmware, BuildsIntoAMissingFolderWithoutAskingForThePortTable) {
    test::ScratchDir dir("cli-fw-folder");
    fs::create_directories(dir.path() / "tools");
    test::ScopedEnv env("PATH",
                        test::standInToolchain(dir.path(), "exit 0\n").string() + ":/usr/bin:/bin");
    env.set("VEXOLUME_TOOLS", (dir.path() / "tools").string());
    const fs::path out = dir.path() / "missing" / "folder";
    ASSERT_EQ(runCli("firmware '" + kSample.string() + "' -o '" + out.string() + "'",
                     dir.path() / "err.txt", dir.path() / "report.txt"),
              0)
        << test::fileText(dir.path() / "err.txt");
    EXPECT_EQ(test::fileText(dir.path() / "err.txt").find("port table"), std::string::npos);
    EXPECT_TRUE(test::fileText(out / "sample1.hex").ends_with("[LampNum]00160"));
    const std::string report = test::fileText(dir.path() / "report.txt");
    EXPECT_NE(report.find("% of 32\r\n"), std::string::npos) << report;
    EXPECT_NE(report.find("image: " + (out / "sample1.hex").string()), std::string::npos);
}

// The five files of a folder, by name.
std::map<std::string, std::string> fileSet(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const std::string& name : test::fileNames(folder)) {
        files[name] = test::fileText(folder / name);
    }
    return files;
}

Result<ProcessOutcome> exportInto(const std::string& example, const fs::path& folder) {
    return runProcess({{VEXOLUME_CLI, "export", VEXOLUME_SOURCE_DIR "/examples/" + example + ".led",
                        "-o", folder.string()},
                       fs::temp_directory_path(),
                       std::chrono::minutes(2),
                       std::nullopt});
}

TEST(CliExport, TwoExportsIntoOneFolderLeaveOneWholeSet) {
    test::ScratchDir dir("cli-export-race");
    const std::vector<std::string> examples = {"sample", "families"};
    std::vector<std::map<std::string, std::string>> sets;
    for (const std::string& example : examples) {
        ASSERT_EQ(exportInto(example, dir.path() / example)->exitCode, 0);
        sets.push_back(fileSet(dir.path() / example));
    }
    ASSERT_EQ(sets[0].size(), 5u);
    const fs::path out = dir.path() / "out";
    fs::create_directories(out);

    // An export waits for the folder's lock before it replaces any file.
    {
        auto held = FolderLock::acquire(out);
        ASSERT_TRUE(held.ok());
        std::optional<Result<ProcessOutcome>> waiting;
        std::thread exporter([&] { waiting = exportInto("sample", out); });
        // Only its temporary files, staged beside the set, appear meanwhile.
        const auto setFileIn = [&] {
            const auto names = test::fileNames(out);
            return std::ranges::any_of(names, [](const std::string& n) { return n[0] != '.'; });
        };
        EXPECT_FALSE(test::waitFor(setFileIn, std::chrono::seconds(3)));
        { auto released = std::move(*held); }
        exporter.join();
        ASSERT_TRUE(waiting && waiting->ok() && (*waiting)->exitCode == 0);
        EXPECT_EQ(fileSet(out), sets[0]);
    }

    // Rounds of the two at once: one set or the other, never a mix.
    for (int round = 0; round < 8; ++round) {
        std::vector<Result<ProcessOutcome>> outcomes(2, Error{"", ""});
        std::vector<std::thread> runs;
        for (std::size_t i = 0; i < 2; ++i) {
            runs.emplace_back([&, i] { outcomes[i] = exportInto(examples[i], out); });
        }
        for (auto& run : runs) run.join();
        for (const auto& outcome : outcomes) ASSERT_TRUE(outcome.ok() && outcome->exitCode == 0);
        const auto found = fileSet(out);
        ASSERT_TRUE(found == sets[0] || found == sets[1]) << "round " << round;
    }
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
