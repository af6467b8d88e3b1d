// vexolume-cli program: the configured tool runs in the tool folder with the
// image and the port as arguments of their own, only for an image the
// simulator would take, and an interrupt ends it with everything it started.

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
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
        std::ofstream(image_) << ":03000000020008F3\n:00000001FF\n[LampNum]00007";
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

TEST_F(CliProgram, AnImageTheSimulatorRefusesNeverReachesTheTool) {
    standIn("stcgal");
    std::ofstream(file("bad_sum.hex")) << ":03000000020008F4\n:00000001FF\n";
    std::ofstream(file("empty.hex"));
    ::mkfifo(file("fifo.hex").c_str(), 0600);
    std::ofstream(file("giant.hex")) << ":03000000020008F3\n";
    fs::resize_file(file("giant.hex"), std::uintmax_t{2} << 30);
    for (const std::string& image :
         {file("bad_sum.hex").string(), file("empty.hex").string(), std::string("/dev/zero"),
          file("fifo.hex").string(), file("giant.hex").string(),
          std::string(VEXOLUME_SOURCE_DIR "/examples/sample.led")}) {
        SCOPED_TRACE(image);
        const Outcome r = run({"program", image, "--tool", "NORA-B"});
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(
            r.err.rfind("vexolume-cli: The file is not a controller image in Intel HEX form", 0),
            0u)
            << r.err;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
        EXPECT_FALSE(fs::exists(tools_ / "args.txt"));
    }
}

// Running: neither a zombie nor gone.
bool alive(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    if (!std::getline(stat, line)) return false;
    const auto state = line.rfind(") ");
    return state != std::string::npos && line[state + 2] != 'Z';
}

TEST_F(CliProgram, AnInterruptEndsTheToolAndWhatItStarted) {
    // A tool whose helper would go on writing to the controller.
    std::ofstream(tools_ / "stcgal") << "#!/bin/sh\nsleep 300 &\necho $! > helper.pid\nwait\n";
    ::chmod((tools_ / "stcgal").c_str(), 0755);
    const pid_t pid = startCli({"program", image_.string(), "--tool", "NORA-B"});
    const auto helperPid = tools_ / "helper.pid";
    for (int i = 0; i < 1000 && readText(helperPid).empty(); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    const pid_t helper = static_cast<pid_t>(std::stol("0" + readText(helperPid)));
    ASSERT_GT(helper, 0);
    ::kill(pid, SIGINT);
    int raw = 0;
    ASSERT_EQ(::waitpid(pid, &raw, 0), pid);
    EXPECT_TRUE(WIFEXITED(raw) && WEXITSTATUS(raw) == 128 + SIGINT) << raw;
    for (int i = 0; i < 200 && alive(helper); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_FALSE(alive(helper));
    if (alive(helper)) ::kill(helper, SIGKILL);
}

}  // namespace
}  // namespace vx::test
