// vexolume-cli program: the configured tool runs in the tool folder with the
// image and the port as arguments of their own.

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/cli/run_cli.h"
#include "tests/support/scoped_env.h"

namespace vx::test {
namespace {

namespace fs = std::filesystem;

class CliProgram : public CliRunTest {
protected:
    void SetUp() override {
        fs::create_directories(tools_);
        fs::create_directories(home_ / "Mullanguage");
        fs::copy_file(fs::path(VEXOLUME_SOURCE_DIR) / "share/vexolume/Mullanguage/English.ini",
                      home_ / "Mullanguage" / "English.ini");
        std::ofstream(image_) << ":00000001FF\n[LampNum]00007";
        env_.set("VEXOLUME_TOOLS", tools_.string());
        env_.set("VEXOLUME_HOME", home_.string());
    }
    // A stand-in for the tool: each argument on a line of args.txt.
    void standIn(const std::string& name, int status = 0) {
        std::ofstream(tools_ / name)
            << "#!/bin/sh\nfor a in \"$@\"; do echo \"$a\"; done > args.txt\n"
            << "echo programmed\nexit " << status << "\n";
        ::chmod((tools_ / name).c_str(), 0755);
    }
    fs::path tools_ = file("tools");
    fs::path home_ = file("home");
    fs::path image_ = file("my show (1).hex");
    ScopedEnv env_;
};

TEST_F(CliProgram, StcToolGetsPortAndImageAndItsStatusIsPassedOn) {
    standIn("stcgal");  // the default NORA-B tool, found in the tool folder
    const Outcome ok =
        run({"program", image_.string(), "--tool", "NORA-B", "--port", "/dev/ttyS3"});
    EXPECT_EQ(ok.status, 0) << ok.err;
    EXPECT_EQ(ok.out, "programmed\n");
    EXPECT_EQ(readText(tools_ / "args.txt"), "-p\n/dev/ttyS3\n" + image_.string() + "\n");

    // The port from the settings when none is given; a failing tool fails the command.
    std::ofstream(home_ / "Mullanguage" / "Setting.ini")
        << "[Programmer]\nNoraA=flash --image={image}\nPort=/dev/ttyACM0\n";
    standIn("flash", 3);
    const Outcome failed = run({"program", image_.string(), "--tool", "NORA-A"});
    EXPECT_EQ(failed.status, 1);
    EXPECT_EQ(readText(tools_ / "args.txt"), "--image=" + image_.string() + "\n");
}

TEST_F(CliProgram, MissingToolIsExplainedWithTheControllersMessage) {
    env_.set("PATH", (tools_ / "none").string());
    const Outcome a = run({"program", image_.string(), "--tool", "NORA-A"});
    EXPECT_EQ(a.status, 1);
    EXPECT_NE(a.err.find("vexolume-cli: Cannot start the FlashMagic programming tool"),
              std::string::npos)
        << a.err;
    EXPECT_NE(a.err.find("wine"), std::string::npos);
    const Outcome b = run({"program", image_.string(), "--tool", "NORA-B"});
    EXPECT_EQ(b.status, 1);
    EXPECT_NE(b.err.find("Cannot start the STC programming tool"), std::string::npos);
    EXPECT_NE(b.err.find("stcgal"), std::string::npos);
    EXPECT_NE(run({"program", image_.string(), "--tool", "NORA-C"}).status, 0);
}

}  // namespace
}  // namespace vx::test
