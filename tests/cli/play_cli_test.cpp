// Runs vexolume-cli timeline and render on the effect-family example.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <regex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "tests/cli/run_cli.h"
#include "tests/support/sacn_receiver.h"

namespace {

const std::string kFamilies = VEXOLUME_SOURCE_DIR "/examples/families.led";
const std::string kSample = VEXOLUME_SOURCE_DIR "/examples/sample.led";

using PlayCliTest = vx::test::CliRunTest;
using vx::test::readText;

std::vector<std::string> linesWith(const std::string& text, const std::string& word) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (line.find(word) != std::string::npos) out.push_back(line);
    }
    return out;
}

TEST_F(PlayCliTest, TimelineReadsTheJsonFormAsTheBinaryFile) {
    const std::string json = file("families.json").string();
    ASSERT_EQ(run({"convert", kFamilies, json}).status, 0);
    const auto fromBinary = run({"timeline", kFamilies, "--program", "0", "--until", "5000"});
    const auto fromJson = run({"timeline", json, "--program", "0", "--until", "5000"});
    ASSERT_EQ(fromJson.status, 0) << fromJson.err;
    EXPECT_FALSE(fromJson.out.empty());
    EXPECT_EQ(fromJson.out, fromBinary.out);
}

TEST_F(PlayCliTest, TimelineListsStartsStopsAndPaintsInOrder) {
    const auto r = run({"timeline", kFamilies, "--parallel", "--until", "14000"});
    ASSERT_EQ(r.status, 0) << r.err;
    // Mode k starts 2 s plus the durations of the modes before it.
    std::vector<std::string> starts;
    for (const auto& line : linesWith(r.out, " start "))
        starts.push_back(line.substr(0, line.find(' ')));
    EXPECT_EQ(starts, (std::vector<std::string>{"2000", "3800", "6300", "8100", "9800", "11600",
                                                "13400", "13900"}));
    EXPECT_EQ(linesWith(r.out, " start ").front(), "2000 start 0 playKind 6 CM_LEFTTORIGHT_CC");
    const std::regex line(
        R"((\d+) (paint \d+ #[0-9A-F]{6}|start \d+ playKind \d+ \S+|stop \d+ (finished|stopped)))");
    std::istringstream in(r.out);
    long last = 0;
    for (std::string text; std::getline(in, text);) {
        std::smatch m;
        ASSERT_TRUE(std::regex_match(text, m, line)) << text;
        const long t = std::stol(m[1]);
        EXPECT_LE(last, t);
        EXPECT_LE(t, 14000);
        last = t;
    }
}

TEST_F(PlayCliTest, TimelineJsonAndProgramAndPartialChoices) {
    const auto r = run({"timeline", kFamilies, "--program", "1", "--until", "3000", "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto events = nlohmann::json::parse(r.out);
    ASSERT_TRUE(events.is_array());
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events[0]["event"], "start");
    EXPECT_EQ(events[0]["t"], 2000);
    EXPECT_EQ(events[0]["kind"], "CM_EXPANDCIRCULAR_GC");
    EXPECT_EQ(events[1]["event"], "paint");
    EXPECT_TRUE(
        std::regex_match(events[1]["colour"].get<std::string>(), std::regex("#[0-9A-F]{6}")));

    const auto single =
        run({"timeline", kFamilies, "--partial", "1", "1", "--until", "0", "--json"});
    ASSERT_EQ(single.status, 0) << single.err;

    const auto sequential = run({"timeline", kFamilies, "--sequential", "--until", "0"});
    ASSERT_EQ(sequential.status, 0);
    EXPECT_EQ(linesWith(sequential.out, " start ").front(),
              "0 start 0 playKind 6 CM_LEFTTORIGHT_CC");

    for (const auto& bad :
         {run({"timeline", kFamilies, "--until", "10"}),
          run({"timeline", kFamilies, "--parallel", "--sequential", "--until", "10"})}) {
        EXPECT_EQ(bad.status, 64);
        EXPECT_NE(bad.err.find("choose one of"), std::string::npos);
    }
    EXPECT_NE(run({"timeline", "/nonexistent.led", "--parallel", "--until", "10"}).status, 0);
}

TEST_F(PlayCliTest, RenderWritesAnAnimatedGif) {
    const auto out = file("show.gif").string();
    const auto r =
        run({"render", kFamilies, "--parallel", "--seconds", "3", "--fps", "5", "-o", out});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string gif = readText(out);
    ASSERT_GT(gif.size(), 100u);
    EXPECT_EQ(gif.substr(0, 6), "GIF89a");
    EXPECT_NE(gif.find("NETSCAPE2.0"), std::string::npos);  // loops
    // 20 x 12 lamps, cell 12, one cell of margin each side.
    EXPECT_EQ(static_cast<unsigned char>(gif[6]) | static_cast<unsigned char>(gif[7]) << 8,
              21 * 12);
    EXPECT_EQ(static_cast<unsigned char>(gif[8]) | static_cast<unsigned char>(gif[9]) << 8,
              13 * 12);

    EXPECT_NE(
        run({"render", kFamilies, "--parallel", "--seconds", "3", "--fps", "0", "-o", out}).status,
        0);
    EXPECT_NE(run({"render", kFamilies, "--parallel", "--seconds", "1", "--fps", "5", "-o",
                   file("missing/x.gif").string()})
                  .status,
              0);
}

TEST_F(PlayCliTest, ATimelineOfModesWithoutWaitsEnds) {
    // Every step delay of the sample set to 0: each step still takes 1 ms,
    // so the timeline reaches its end instead of hanging.
    const std::string json = file("fast.json").string();
    const std::string led = file("fast.led").string();
    ASSERT_EQ(run({"convert", VEXOLUME_SOURCE_DIR "/examples/sample.led", json}).status, 0);
    auto doc = nlohmann::json::parse(readText(json));
    for (auto& mode : doc["modes"]) mode["stepDelay"] = 0;
    { std::ofstream(json) << doc.dump(); }
    ASSERT_EQ(run({"convert", json, led}).status, 0);
    const std::string command = "timeout 120 " + vx::test::quoted(VEXOLUME_CLI) + " timeline " +
                                vx::test::quoted(led) + " --sequential --until 500 > " +
                                vx::test::quoted(file("fast.txt").string());
    ASSERT_EQ(std::system(command.c_str()), 0);
    const auto paints = linesWith(readText(file("fast.txt")), " paint ");
    ASSERT_FALSE(paints.empty());
    EXPECT_EQ(paints.front().substr(0, 2), "0 ");
    EXPECT_GT(std::stol(paints.back()), 100);  // steps 1 ms apart, not all at 0
}

TEST_F(PlayCliTest, PlaySendsSacnFramesInRealTime) {
    vx::test::SacnReceiver receiver;
    ASSERT_TRUE(receiver.bound());
    const std::string target = "sacn:127.0.0.1:" + std::to_string(receiver.port());
    const auto r = run({"play", kSample, "--program", "0", "--seconds", "0.1", "--output", target,
                        "--universe", "3"});
    ASSERT_EQ(r.status, 0) << r.err;
    // Frames at 0, 25, 50, 75 and 100 ms, each a packet for ports 1 and 2.
    EXPECT_NE(r.out.find("sent 5 frames of 2 universes"), std::string::npos) << r.out;
    const auto packets = receiver.collect();
    ASSERT_EQ(packets.size(), 10u);
    for (std::size_t i = 0; i < packets.size(); ++i) {
        EXPECT_EQ(packets[i].universe, 3 + i % 2);
        EXPECT_EQ(packets[i].sequence, i / 2);
        EXPECT_EQ(packets[i].slots, std::vector<std::uint8_t>(240, 0));  // nothing plays before 2 s
    }
    const auto fps = run(
        {"play", kSample, "--program", "0", "--seconds", "0.2", "--output", target, "--fps", "10"});
    EXPECT_NE(fps.out.find("sent 3 frames"), std::string::npos) << fps.out;
    receiver.collect();

    const auto badOutput =
        run({"play", kSample, "--program", "0", "--seconds", "1", "--output", "dmx"});
    EXPECT_EQ(badOutput.status, 1);
    EXPECT_NE(badOutput.err.find("use ola, sacn"), std::string::npos) << badOutput.err;
    const auto noUniverse = run({"play", kSample, "--program", "0", "--seconds", "1", "--output",
                                 target, "--universe", "63999"});
    EXPECT_EQ(noUniverse.status, 1);
    EXPECT_NE(noUniverse.err.find("63999"), std::string::npos);
}

TEST_F(PlayCliTest, MeaninglessOptionsAreRefusedWithOneLineInEveryPlayCommand) {
    const auto out = file("show.gif").string();
    const std::vector<std::vector<std::string>> refused = {
        {"render", kFamilies, "--parallel", "--seconds", "1", "--fps", "5", "-o", out, "--width",
         "-5", "--height", "10"},
        {"render", kFamilies, "--parallel", "--seconds", "1", "--fps", "5", "-o", out, "--width",
         "10", "--height", "99999"},
        {"render", kFamilies, "--parallel", "--seconds", "nan", "--fps", "5", "-o", out},
        {"render", kFamilies, "--parallel", "--seconds", "-2", "--fps", "5", "-o", out},
        {"render", kFamilies, "--partial", "5", "2", "--seconds", "1", "--fps", "5", "-o", out},
        {"render", kFamilies, "--partial", "-1", "2", "--seconds", "1", "--fps", "5", "-o", out},
        {"timeline", kFamilies, "--partial", "5", "2", "--until", "10"},
        {"timeline", kFamilies, "--parallel", "--until", "-10"},
        {"timeline", kFamilies, "--parallel", "--until", "nan"},
        {"play", kSample, "--program", "0", "--seconds", "1e16", "--output", "sacn"},
        {"play", kSample, "--program", "0", "--seconds", "nan", "--output", "sacn"},
        {"play", kSample, "--program", "0", "--seconds", "inf", "--output", "sacn"},
        {"play", kSample, "--program", "0", "--seconds", "1", "--fps", "nan", "--output", "sacn"},
        {"play", kSample, "--partial", "5", "2", "--seconds", "1", "--output", "sacn"},
    };
    for (const auto& args : refused) {
        SCOPED_TRACE(::testing::PrintToString(args));
        const auto r = run(args);
        EXPECT_EQ(r.status, 64);
        EXPECT_NE(r.err.find("An option has a value that cannot be used"), std::string::npos)
            << r.err;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
        EXPECT_EQ(r.out, "");
        EXPECT_FALSE(std::filesystem::exists(out));
    }
}

// One status for every kind of wrong command line, whatever CLI11 calls it,
// and 1 for a run that fails.
TEST_F(PlayCliTest, ExitStatusesTellAWrongCommandLineFromAFailedRun) {
    const std::vector<std::pair<std::vector<std::string>, int>> cases = {
        {{"timeline", kFamilies, "--parallel", "--until", "ten"}, 64},          // not a number
        {{"timeline", kFamilies, "--parallel", "--until", "99999999999"}, 64},  // out of range
        {{"timeline", kFamilies, "--parallel"}, 64},                            // missing
        {{"timeline", kFamilies, "--parallel", "--until", "1", "--speed", "2"}, 64},  // unknown
        {{"render", kFamilies, "--parallel", "--seconds", "1", "--fps", "5", "--width", "9", "-o",
          file("x.gif").string()},
         64},                                            // --width needs --height
        {{"timeline", kFamilies, "--until", "10"}, 64},  // no playback chosen
        {{"frobnicate"}, 64},
        {{"timeline", "/nonexistent.led", "--parallel", "--until", "10"}, 1},
        {{"timeline", kFamilies, "--parallel", "--until", "0"}, 0},
    };
    for (const auto& [args, status] : cases) {
        SCOPED_TRACE(::testing::PrintToString(args));
        const auto r = run(args);
        EXPECT_EQ(r.status, status);
        if (status != 0) {
            EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
        }
    }
    EXPECT_EQ(run({"--help"}).status, 0);
}

TEST_F(PlayCliTest, RenderWritesTheFormatItsNameSaysOrNothing) {
    for (const char* name : {"x.png", "x", "x.gif.txt"}) {
        const auto r = run({"render", kFamilies, "--parallel", "--seconds", "1", "--fps", "5", "-o",
                            file(name).string()});
        EXPECT_EQ(r.status, 64) << name;
        EXPECT_NE(r.err.find("The output must be a .gif file or an existing folder"),
                  std::string::npos)
            << r.err;
        EXPECT_FALSE(std::filesystem::exists(file(name)));
    }
    const auto upper = file("SHOW.GIF").string();
    ASSERT_EQ(run({"render", kFamilies, "--parallel", "--seconds", "1", "--fps", "5", "-o", upper})
                  .status,
              0);
    EXPECT_EQ(readText(upper).substr(0, 6), "GIF89a");
}

// A shorter render into a frame folder: only its own frames are left, and
// every other file stays.
TEST_F(PlayCliTest, AFrameFolderHoldsExactlyTheLastRendersFrames) {
    namespace fs = std::filesystem;
    const auto folder = file("frames");
    fs::create_directories(folder / "frame-00090.png");  // a folder, not a frame
    std::ofstream(folder / "notes.txt") << "keep";
    std::ofstream(folder / "frame-1.png") << "keep";  // not a name render writes
    const auto render = [&](const char* seconds) {
        return run({"render", kFamilies, "--parallel", "--seconds", seconds, "--fps", "10", "-o",
                    folder.string()})
            .status;
    };
    ASSERT_EQ(render("4"), 0);
    ASSERT_EQ(render("1"), 0);
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    std::vector<std::string> expected{"frame-00000.png", "frame-00001.png", "frame-00002.png",
                                      "frame-00003.png", "frame-00004.png", "frame-00005.png",
                                      "frame-00006.png", "frame-00007.png", "frame-00008.png",
                                      "frame-00009.png", "frame-00090.png", "frame-1.png",
                                      "notes.txt"};
    EXPECT_EQ(names, expected);
}

TEST_F(PlayCliTest, RenderReplacesAnOldGifOnlyWithAWholeNewOne) {
    const auto out = file("show.gif");
    const std::string old = "GIF89a the old picture";
    { std::ofstream(out, std::ios::binary) << old; }
    std::filesystem::permissions(
        out, std::filesystem::perms::owner_read | std::filesystem::perms::group_read);
    // Killed part way through a long render: the old picture stays.
    const std::string command = "timeout -s KILL 1 " + vx::test::quoted(VEXOLUME_CLI) + " render " +
                                vx::test::quoted(kFamilies) +
                                " --parallel --seconds 3600 --fps 50 -o " +
                                vx::test::quoted(out.string()) + " 2>/dev/null";
    const int raw = std::system(command.c_str());
    EXPECT_FALSE(WIFEXITED(raw) && WEXITSTATUS(raw) == 0);
    EXPECT_EQ(readText(out), old);

    const auto r = run(
        {"render", kFamilies, "--parallel", "--seconds", "1", "--fps", "5", "-o", out.string()});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(readText(out).substr(0, 6), "GIF89a");
    EXPECT_GT(readText(out).size(), old.size());
    EXPECT_EQ(std::filesystem::status(out).permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::group_read);
}

// Interrupted: the old picture stays, and nothing unfinished is left beside it.
TEST_F(PlayCliTest, AnInterruptedRenderLeavesNoTemporaryFile) {
    namespace fs = std::filesystem;
    const auto folder = file("out");
    fs::create_directories(folder);
    const auto out = folder / "show.gif";
    std::ofstream(out) << "GIF89a the old picture";
    for (const int sig : {SIGINT, SIGTERM}) {
        const pid_t pid = vx::test::startCli({"render", kFamilies, "--parallel", "--seconds",
                                              "3600", "--fps", "50", "-o", out.string()});
        // Signalled once the new picture is being written beside the old one.
        for (int i = 0; i < 3000 &&
                        std::distance(fs::directory_iterator(folder), fs::directory_iterator()) < 2;
             ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        ::kill(pid, sig);
        int raw = 0;
        ASSERT_EQ(::waitpid(pid, &raw, 0), pid);
        EXPECT_TRUE(WIFEXITED(raw) && WEXITSTATUS(raw) == 128 + sig) << raw;
        EXPECT_EQ(readText(out), "GIF89a the old picture");
        EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
    }
}

}  // namespace
