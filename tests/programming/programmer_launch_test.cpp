// Write To Controller: which command starts for which controller, how the
// image and port reach the tool, and the message keys when it cannot start.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <tuple>

#include "platform/file_io.h"
#include "programming/programmer_launch.h"
#include "tests/support/processes.h"
#include "tests/support/temp_folder.h"

namespace vx {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// A stand-in programming tool: writes each argument on a line of args.txt in
// the folder it runs in.
void writeStandInTool(const fs::path& path) {
    ASSERT_TRUE(writeFileAtomically(
        path, std::string("#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > args.tmp\n"
                          "mv args.tmp args.txt\n")));
    ::chmod(path.c_str(), 0755);
}

struct Recorder {
    std::vector<std::string> argv;
    fs::path folder;
    Status answer;
    ProgramStarter starter() {
        return [this](const std::vector<std::string>& a, const fs::path& f) {
            argv = a;
            folder = f;
            return answer;
        };
    }
};

class Launch : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(tools_ / "stc");
        writeStandInTool(tools_ / "stc" / "stc isp");
        settings_.toolFolder = tools_;
        settings_.stcPath = "stc/stc isp";
    }
    test::TempFolder root_{"prog"};
    fs::path tools_ = root_.path() / "tools";
    ProgrammerSettings settings_;
};

TEST(CommandLine, SplitsAtBlanksAndGroupsQuotes) {
    EXPECT_EQ(*splitCommandLine("  stcgal -p {port}\t{image} "),
              (std::vector<std::string>{"stcgal", "-p", "{port}", "{image}"}));
    EXPECT_EQ(*splitCommandLine("\"/opt/my tools/isp\" --file=\"{image}\" \"\""),
              (std::vector<std::string>{"/opt/my tools/isp", "--file={image}", ""}));
    EXPECT_FALSE(splitCommandLine("isp \"open"));
    EXPECT_TRUE(splitCommandLine("")->empty());
    EXPECT_EQ(controllerModelNamed("NORA-B"), ControllerModel::NoraB);
    EXPECT_FALSE(controllerModelNamed("nora-b"));
}

TEST_F(Launch, ImageAndPortAreArgumentsOfTheirOwnWhateverTheyHold) {
    Recorder r;
    settings_.port = "/dev/ttyUSB1";
    const fs::path image = root_.path() / "my show; rm -rf ~" / "show1.hex";
    ASSERT_TRUE(launchProgrammer(ControllerModel::NoraB, settings_, image, r.starter()).ok());
    EXPECT_EQ(r.argv, (std::vector<std::string>{(tools_ / "stc" / "stc isp").string(), "-p",
                                                "/dev/ttyUSB1", image.string()}));
    EXPECT_EQ(r.folder, tools_);

    // A configured line; a relative image is made absolute for the tool folder.
    settings_.noraACommand = "stc/\"stc isp\" --hex={image} --com {port}";
    ASSERT_TRUE(launchProgrammer(ControllerModel::NoraA, settings_, "out.hex", r.starter()).ok());
    EXPECT_EQ(r.argv, (std::vector<std::string>{(tools_ / "stc" / "stc isp").string(),
                                                "--hex=" + fs::absolute("out.hex").string(),
                                                "--com", "/dev/ttyUSB1"}));
    // Without an image the words that name it are left out.
    ASSERT_TRUE(launchProgrammer(ControllerModel::NoraA, settings_, "", r.starter()).ok());
    EXPECT_EQ(r.argv, (std::vector<std::string>{(tools_ / "stc" / "stc isp").string(), "--com",
                                                "/dev/ttyUSB1"}));
}

TEST_F(Launch, ProgramIsLookedUpInTheToolFolderThenOnPath) {
    Recorder r;
    settings_.noraACommand = "sh -c {image}";
    ASSERT_TRUE(launchProgrammer(ControllerModel::NoraA, settings_, "/x.hex", r.starter()).ok());
    EXPECT_EQ(fs::path(r.argv.front()).filename(), "sh");
    EXPECT_NE(fs::path(r.argv.front()).parent_path(), tools_);
    writeStandInTool(tools_ / "sh");  // the tool folder's own comes first
    ASSERT_TRUE(launchProgrammer(ControllerModel::NoraA, settings_, "/x.hex", r.starter()).ok());
    EXPECT_EQ(r.argv, (std::vector<std::string>{(tools_ / "sh").string(), "-c", "/x.hex"}));
}

TEST_F(Launch, MissingOrBrokenToolsGiveTheirControllersMessage) {
    Recorder never;
    never.answer = Error{"unexpected", "started"};
    settings_.noraACommand = kDefaultNoraACommand;
    settings_.stcPath = "stc/missing";
    for (const auto& [model, command, key] :
         {std::tuple{ControllerModel::NoraA, std::string("no-such-isp {image}"),
                     kNoraAStartFailedKey},
          std::tuple{ControllerModel::NoraA, std::string("  "), kNoraAStartFailedKey},
          std::tuple{ControllerModel::NoraA, std::string("\"isp"), kNoraAStartFailedKey},
          std::tuple{ControllerModel::NoraB, std::string(), kNoraBStartFailedKey}}) {
        settings_.noraACommand = command;
        const Status status = launchProgrammer(model, settings_, "a.hex", never.starter());
        ASSERT_FALSE(status.ok()) << command;
        EXPECT_EQ(status.error().key, key) << command;
        EXPECT_TRUE(never.argv.empty());
    }
    settings_.stcPath.clear();
    const Status noPath =
        launchProgrammer(ControllerModel::NoraB, settings_, "a.hex", never.starter());
    ASSERT_FALSE(noPath.ok());
    EXPECT_NE(noPath.error().detail.find("STC_PATH"), std::string::npos);

    // A tool that is there but cannot start: the starter's reason is kept.
    Recorder refusing;
    refusing.answer = Error{"PROCESS_START", "permission denied"};
    settings_.stcPath = "stc/stc isp";
    const Status refused =
        launchProgrammer(ControllerModel::NoraB, settings_, "a.hex", refusing.starter());
    ASSERT_FALSE(refused.ok());
    EXPECT_EQ(refused.error().key, kNoraBStartFailedKey);
    EXPECT_NE(refused.error().detail.find("permission denied"), std::string::npos);
}

TEST_F(Launch, RealStartRunsTheToolDetachedInTheToolFolder) {
    const fs::path image = root_.path() / "show 1.hex";
    settings_.port = "/dev/ttyS0";
    ASSERT_TRUE(launchProgrammer(ControllerModel::NoraB, settings_, image).ok());
    EXPECT_TRUE(test::waitFor([&] { return fs::exists(tools_ / "args.txt"); }, 5s));
    EXPECT_EQ(test::readText(tools_ / "args.txt"), "-p\n/dev/ttyS0\n" + image.string() + "\n");

    ::chmod((tools_ / "stc" / "stc isp").c_str(), 0644);  // no longer executable
    EXPECT_EQ(launchProgrammer(ControllerModel::NoraB, settings_, image).error().key,
              kNoraBStartFailedKey);
}

}  // namespace
}  // namespace vx
