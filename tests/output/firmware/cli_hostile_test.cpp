// vexolume-cli firmware and simulate used as a hostile or impatient user
// would: two builds at once sharing one tool folder (each image then
// simulated, its frames printed as JSON) or one output folder, builds
// interrupted, damaged, foreign and stalled images, meaningless options, and
// the command stopped or killed while the simulator runs. The builds use
// SDCC; the simulator tests run small hand-made images.

#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <thread>

#include <nlohmann/json.hpp>

#include "engine/compile/compile_effects.h"
#include "engine/play/playback.h"
#include "layout/layout_file.h"
#include "output/firmware/controller_sim.h"
#include "output/firmware/image_tag.h"
#include "platform/file_io.h"
#include "platform/process.h"
#include "tests/support/example_layout.h"
#include "tests/support/processes.h"
#include "tests/support/scoped_env.h"
#include "tests/support/temp_folder.h"

namespace vx {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

struct Built {
    std::string name;  // of the layout in examples/
    fs::path image;
    Result<ProcessOutcome> outcome = Error{"", ""};
};

// The distinct non-black frames the preview of program group 0 shows in
// `ms`, as the DMX line would carry them.
std::vector<DmxFrame> previewFrames(const LampLayout& layout, std::int64_t ms) {
    const CompiledEffects compiled = compileEffects(layout);
    PlayRequest request;
    request.order = PlayOrder::Sequential;
    request.programGroup = 0;
    Playback playback(compiled, layout.lamps.size(), request);
    const auto chain = test::lineOrder(layout);
    std::vector<DmxFrame> frames;
    for (std::int64_t t = 0; t <= ms; ++t) {
        playback.runUntil(t);
        DmxFrame frame{0};
        bool lit = false;
        for (std::size_t lamp : chain) {
            const ColorWord c = playback.lampColors()[lamp];
            for (int shift : {0, 8, 16})
                frame.push_back(static_cast<std::uint8_t>((c >> shift) & 0xFF));
            lit = lit || (c & 0xFFFFFF) != 0;
        }
        if (lit && (frames.empty() || frames.back() != frame)) frames.push_back(frame);
    }
    return frames;
}

// vexolume-cli started without waiting for it, its output in files.
pid_t startCli(const std::vector<std::string>& args, const fs::path& folder) {
    std::vector<std::string> argv = {VEXOLUME_CLI};
    argv.insert(argv.end(), args.begin(), args.end());
    std::vector<char*> pointers;
    for (auto& arg : argv) pointers.push_back(arg.data());
    pointers.push_back(nullptr);
    const std::string out = (folder / "stdout").string();
    const std::string err = (folder / "stderr").string();
    std::fflush(nullptr);  // so the child cannot write our buffered output again
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (std::freopen(out.c_str(), "w", stdout) == nullptr ||
            std::freopen(err.c_str(), "w", stderr) == nullptr) {
            ::_exit(126);
        }
        ::execv(pointers[0], pointers.data());
        ::_exit(127);
    }
    return pid;
}

// Runs vexolume-cli simulate to its end in `folder`; status and standard error.
std::pair<int, std::string> simulate(const fs::path& folder, const std::vector<std::string>& args) {
    std::vector<std::string> argv = {VEXOLUME_CLI, "simulate"};
    argv.insert(argv.end(), args.begin(), args.end());
    auto outcome = runProcess({argv, folder, 2min, folder / "simulate.out"});
    EXPECT_TRUE(outcome.ok());
    return {outcome.ok() ? outcome->exitCode : -2, outcome.ok() ? outcome->output : ""};
}

// A sound image that never ends: a jump to itself at 0, and sixteen bytes at
// 0x0010. Without the firmware's timer interrupt the simulator steps by
// instruction counts, so --seconds 600 keeps it busy for minutes.
const std::string kLoopImage = ":03000000020000FB\n"
                               ":10001000000102030405060708090A0B0C0D0E0F68\n"
                               ":00000001FF\n[LampNum]00001";

TEST(HostileCli, TwoBuildsAtOnceEachGiveTheImageOfTheirOwnLayout) {
    const test::TempFolder root;
    fs::create_directories(root.path() / "tools");
    // Two builds of different layouts at once, sharing the tool folder.
    std::vector<Built> built{{"sample", {}}, {"families", {}}};
    {
        const test::ScopedEnv tools("VEXOLUME_TOOLS", (root.path() / "tools").string());
        std::vector<std::thread> builds;
        for (Built& b : built) {
            const fs::path out = root.path() / b.name;
            b.image = out / imageFileName(b.name + ".led", "1");
            builds.emplace_back([&b, out] {
                b.outcome = runProcess(
                    {{VEXOLUME_CLI, "firmware", VEXOLUME_SOURCE_DIR "/examples/" + b.name + ".led",
                      "-o", out.string()},
                     fs::temp_directory_path(),
                     5min,
                     std::nullopt});
            });
        }
        for (auto& build : builds) build.join();
    }

    for (const Built& b : built) {
        SCOPED_TRACE(b.name);
        ASSERT_TRUE(b.outcome.ok());
        ASSERT_EQ(b.outcome->exitCode, 0) << b.outcome->output;
        const LampLayout layout = test::exampleLayout(b.name);
        const std::string text = test::readText(b.image);
        EXPECT_TRUE(text.ends_with(lampCountTag(layout.lamps.size())))
            << text.substr(text.size() - 20);

        // The simulator run as a user would, its frames printed as JSON.
        const std::size_t lamps = test::lineOrder(layout).size();
        const auto simulated = runProcess({{VEXOLUME_CLI, "simulate", b.image.string(), "--lamps",
                                            std::to_string(lamps), "--seconds", "1.5", "--json"},
                                           root.path(),
                                           2min,
                                           root.path() / (b.name + ".json")});
        ASSERT_TRUE(simulated.ok());
        ASSERT_EQ(simulated->exitCode, 0) << simulated->output;
        const auto out = nlohmann::json::parse(test::readText(root.path() / (b.name + ".json")));
        EXPECT_EQ(out["lamps"], lamps);
        EXPECT_GT(out["simulatedSeconds"].get<double>(), 1.4);
        const auto frames = out["frames"].get<std::vector<DmxFrame>>();
        // Every colour the controller sends is one its own layout's preview
        // shows (frames may be caught while a step is being painted, so whole
        // frames are not compared), and it sends several.
        const auto colors = [](const std::vector<DmxFrame>& list) {
            std::set<std::array<std::uint8_t, 3>> set;
            for (const auto& frame : list) {
                for (std::size_t i = 1; i + 2 < frame.size(); i += 3) {
                    set.insert({frame[i], frame[i + 1], frame[i + 2]});
                }
            }
            set.erase({0, 0, 0});
            return set;
        };
        ASSERT_FALSE(frames.empty());
        EXPECT_EQ(frames[0].size(), 1 + 3 * lamps);
        const auto sent = colors(frames);
        const auto shown = colors(previewFrames(layout, 2000));
        EXPECT_GE(sent.size(), 2u);
        EXPECT_TRUE(std::ranges::includes(shown, sent)) << sent.size() << " colours sent";
    }
    // The builds cleaned up after themselves.
    EXPECT_EQ(test::fileNames(root.path() / "tools"), std::vector<std::string>{"cport.h"});
}

// vexolume-cli firmware of `layout` into `out` with a tool folder of its own.
Result<ProcessOutcome> buildWithTools(const fs::path& tools, const fs::path& layout,
                                      const fs::path& out) {
    return runProcess({{"env", "VEXOLUME_TOOLS=" + tools.string(), VEXOLUME_CLI, "firmware",
                        layout.string(), "-o", out.string()},
                       fs::temp_directory_path(),
                       5min,
                       std::nullopt});
}

TEST(HostileCli, TwoBuildsIntoOneOutputFolderLeaveOneWholeImageAndTheFilesFoundThere) {
    const test::TempFolder root;
    // Two different layouts of the same name, so both builds write show1.hex.
    const std::vector<std::string> examples = {"sample", "families"};
    std::vector<fs::path> layouts;
    std::vector<std::pair<std::string, std::string>> alone;  // image and cport.h
    for (const std::string& example : examples) {
        const fs::path layout = root.path() / example / "show.led";
        fs::create_directories(layout.parent_path());
        fs::copy_file(VEXOLUME_SOURCE_DIR "/examples/" + example + ".led", layout);
        layouts.push_back(layout);
        const auto built = buildWithTools(root.path() / "tools", layout, root.path() / example);
        ASSERT_TRUE(built.ok() && built->exitCode == 0) << built->output;
        alone.emplace_back(test::readText(root.path() / example / "show1.hex"),
                           test::readText(root.path() / example / "cport.h"));
    }
    // The output folder already holds an export of a third layout's tables.
    const fs::path out = root.path() / "out";
    const auto exported = runProcess(
        {{VEXOLUME_CLI, "export", VEXOLUME_TEST_DATA "/layout/sample.json", "-o", out.string()},
         root.path(),
         2min,
         std::nullopt});
    ASSERT_TRUE(exported.ok() && exported->exitCode == 0);
    std::map<std::string, std::string> tables;
    for (const char* name : {"DSPPTN.H", "CSTGRP.h", "GETPTN.c", "CData.h"}) {
        tables[name] = test::readText(out / name);
    }

    for (int round = 0; round < 2; ++round) {
        std::vector<Result<ProcessOutcome>> outcomes(2, Error{"", ""});
        std::vector<std::thread> builds;
        for (std::size_t i = 0; i < 2; ++i) {
            builds.emplace_back([&, i] {
                outcomes[i] =
                    buildWithTools(root.path() / ("tools" + std::to_string(i)), layouts[i], out);
            });
        }
        for (auto& build : builds) build.join();
        for (const auto& outcome : outcomes) {
            ASSERT_TRUE(outcome.ok());
            ASSERT_EQ(outcome->exitCode, 0) << outcome->output;
        }
        const std::pair found{test::readText(out / "show1.hex"), test::readText(out / "cport.h")};
        EXPECT_TRUE(found == alone[0] || found == alone[1]) << "round " << round;
        for (const auto& [name, text] : tables) EXPECT_EQ(test::readText(out / name), text) << name;
        EXPECT_EQ(test::fileNames(out).size(), 6u);
    }
}

TEST(HostileCli, AnInterruptedBuildEndsItsToolchainAndLeavesNoFiles) {
    const test::TempFolder root;
    const fs::path tools = root.path() / "tools";
    const fs::path out = root.path() / "out";
    fs::create_directories(tools);
    const test::ScopedEnv env("VEXOLUME_TOOLS", tools.string());
    for (int sig : {SIGTERM, SIGHUP}) {
        SCOPED_TRACE(::strsignal(sig));
        const test::TempFolder logs("hostile-build-signal");
        const pid_t cli =
            startCli({"firmware", VEXOLUME_SOURCE_DIR "/examples/sample.led", "-o", out.string()},
                     logs.path());
        ASSERT_GT(cli, 0);
        pid_t sdcc = 0;
        ASSERT_TRUE(
            test::waitFor([&] { return (sdcc = test::childNamed(cli, "sdcc")) != 0; }, 60s));
        ::kill(cli, sig);
        int status = 0;
        ASSERT_TRUE(test::waitFor([&] { return ::waitpid(cli, &status, WNOHANG) == cli; }, 20s));
        EXPECT_TRUE(test::waitFor([&] { return !test::running(sdcc); }, 5s));
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 128 + sig);
        EXPECT_NE(test::readText(logs.path() / "stderr").find("The firmware build was stopped"),
                  std::string::npos);
        EXPECT_EQ(test::fileNames(tools), std::vector<std::string>{"cport.h"});
        EXPECT_FALSE(fs::exists(out));
    }
}

TEST(HostileCli, AStalledImageEndsAboutAsFastAsASoundOneRunsAndSaysNoFrameCame) {
    const test::TempFolder root;
    // Sound Intel HEX with the timer-0 vector of our firmware, but nothing
    // ever starts the timer: the program spins at 0.
    const fs::path image = root.path() / "stalled.hex";
    ASSERT_TRUE(writeFileAtomically(image, std::string(":04000000000080FC80\n"
                                                       ":03000B00020020D0\n"
                                                       ":0100200032AD\n"
                                                       ":00000001FF\n")));
    const auto started = std::chrono::steady_clock::now();
    const auto [status, err] =
        simulate(root.path(), {image.string(), "--lamps", "1", "--seconds", "5"});
    // Without a bound on simulated time the run waited 10 s + 5 x 5 s.
    EXPECT_LT(std::chrono::steady_clock::now() - started, 30s);
    EXPECT_EQ(status, 1);
    EXPECT_NE(err.find("sent no DMX frame: it stopped before its first: no DMX frame came in "),
              std::string::npos)
        << err;
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
}

TEST(HostileCli, SimulateRefusesDamagedOrForeignImagesAndMeaninglessOptions) {
    const test::TempFolder root;
    const fs::path good = root.path() / "good.hex";
    ASSERT_TRUE(writeFileAtomically(good, kLoopImage));
    std::string badChecksum = kLoopImage;
    badChecksum[kLoopImage.find('\n', 20) - 1] ^= 1;  // last checksum digit of a record
    const std::vector<std::pair<std::string, std::string>> images = {
        {"checksum.hex", badChecksum},
        {"layout.led", test::readText(VEXOLUME_SOURCE_DIR "/examples/sample.led")}};
    for (const auto& [name, bytes] : images) {
        SCOPED_TRACE(name);
        const fs::path file = root.path() / name;
        ASSERT_TRUE(writeFileAtomically(file, bytes));
        const auto started = std::chrono::steady_clock::now();
        const auto [status, err] =
            simulate(root.path(), {file.string(), "--lamps", "160", "--seconds", "60"});
        // Refused before the simulator starts (a generous bound: the
        // simulator alone would run for minutes).
        EXPECT_LT(std::chrono::steady_clock::now() - started, 10s);
        EXPECT_NE(status, 0);
        EXPECT_NE(err.find("or it is damaged: not an Intel HEX image"), std::string::npos) << err;
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    }
    for (const auto& bad : std::vector<std::vector<std::string>>{{"--seconds", "nan"},
                                                                 {"--seconds", "-1"},
                                                                 {"--seconds", "1e9"},
                                                                 {"--seconds", "inf"},
                                                                 {"--key", "nan"},
                                                                 {"--lamps", "0"}}) {
        std::vector<std::string> args = {good.string(), "--lamps", "1"};
        args.insert(args.end(), bad.begin(), bad.end());
        const auto [status, err] = simulate(root.path(), args);
        EXPECT_NE(status, 0) << bad[0] << " " << bad[1];
        EXPECT_NE(err.find("An option has a value that cannot be used"), std::string::npos) << err;
    }
}

// The simulator's scratch folders in `folder`.
std::vector<fs::path> scratchFolders(const fs::path& folder) {
    std::vector<fs::path> found;
    for (const std::string& name : test::fileNames(folder)) {
        if (name.starts_with("vexolume-sim-")) found.push_back(folder / name);
    }
    return found;
}

TEST(HostileCli, StopSignalsEndTheSimulatorAndRemoveItsPrivateFolder) {
    const test::TempFolder root;
    const test::TempFolder temp("hostile-tmpdir");
    const test::ScopedEnv tmpdir("TMPDIR", temp.path().string());
    const fs::path image = root.path() / "loop.hex";
    ASSERT_TRUE(writeFileAtomically(image, kLoopImage));
    // The sound image is taken: what follows is not a refusal.
    const auto [taken, takenErr] =
        simulate(root.path(), {image.string(), "--lamps", "1", "--seconds", "0.01"});
    ASSERT_EQ(taken, 0) << takenErr;
    for (int sig : {SIGINT, SIGQUIT, SIGTERM, SIGHUP, SIGKILL}) {
        SCOPED_TRACE(::strsignal(sig));
        const test::TempFolder out("hostile-signal");
        const pid_t cli =
            startCli({"simulate", image.string(), "--lamps", "1", "--seconds", "600"}, out.path());
        ASSERT_GT(cli, 0);
        pid_t s51 = 0;
        ASSERT_TRUE(test::waitFor([&] { return (s51 = test::childNamed(cli, "s51")) != 0; }, 60s));
        // Under $TMPDIR, the run's own and no one else's, under a name no
        // one could plant a link at beforehand.
        const auto made = scratchFolders(temp.path());
        ASSERT_EQ(made.size(), 1u);
        const fs::path scratch = made[0];
        EXPECT_EQ(fs::symlink_status(scratch).permissions(), fs::perms::owner_all);
        EXPECT_TRUE(fs::exists(scratch / "sim.cmd"));
        EXPECT_NE(scratch.filename().string(), "vexolume-sim-" + std::to_string(cli));
        ::kill(cli, sig);
        int status = 0;
        ASSERT_TRUE(test::waitFor([&] { return ::waitpid(cli, &status, WNOHANG) == cli; }, 20s));
        EXPECT_TRUE(test::waitFor([&] { return !test::running(s51); }, 5s));
        if (sig == SIGKILL) {
            // Nothing runs on a SIGKILL: the folder goes with the next run.
            EXPECT_TRUE(fs::exists(scratch));
            const auto [code, err] =
                simulate(root.path(), {image.string(), "--lamps", "1", "--seconds", "0.01"});
            EXPECT_EQ(code, 0) << err;
        } else {
            ASSERT_TRUE(WIFEXITED(status));
            EXPECT_EQ(WEXITSTATUS(status), 128 + sig);
            EXPECT_NE(test::readText(out.path() / "stderr").find("The simulation was stopped"),
                      std::string::npos);
        }
        EXPECT_FALSE(fs::exists(scratch));
        EXPECT_TRUE(scratchFolders(temp.path()).empty());
    }
}

}  // namespace
}  // namespace vx
