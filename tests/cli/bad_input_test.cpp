// Every command that reads a layout, run on damaged and hostile inputs under
// a CPU-time and a memory limit: each must end with one line on standard
// error and a non-zero status, print nothing else and leave the files already
// in its output folder as they were.

#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/cli/limited_run.h"
#include "tests/support/temp_folder.h"

namespace vx::test {
namespace {

namespace fs = std::filesystem;

const fs::path kCorpus = fs::path(VEXOLUME_TEST_DATA) / "bad_input";

// The limits every command keeps on every input. The sanitizers reserve
// terabytes of address space and run several times slower, so there time is
// bounded more loosely and memory by the resident size instead (about 120 MB
// of it is the sanitizers' own).
RunLimits limits() {
    RunLimits l;
    l.cpuSeconds = kSanitized ? 20 : 2;
    l.addressSpaceBytes = kSanitized ? 0 : std::uint64_t{256} << 20;
    return l;
}

constexpr long kSanitizedRssKilobytes = 512 * 1024;

std::string repeated(const std::string& piece, std::size_t times) {
    std::string s;
    s.reserve(piece.size() * times);
    for (std::size_t i = 0; i < times; ++i) s += piece;
    return s;
}

const std::string kHead = R"({"format": "vexolume-layout", "version": 1, )";

// Inputs too large or too deep to keep in the source tree, made on demand.
fs::path makeInput(const TempFolder& dir, const std::string& name) {
    const auto path = dir.path() / name;
    const auto sparse = [&](const std::string& start, std::uintmax_t size) {
        dir.write(name, start);
        fs::resize_file(path, size);
    };
    if (name == "deep.json") dir.write(name, repeated("[", 1000000));
    if (name == "deep_field.json")
        dir.write(name, kHead + "\"clusters\": " + repeated("[", 1000000));
    if (name == "long_list.json") {
        dir.write(name, kHead + "\"effectLamps\": [" + repeated("{}, ", 350000) + "{}]}");
    }
    if (name == "many_values.json") {
        dir.write(name, kHead + "\"clusters\": [" + repeated("[0],", 530000) + "[0]]}");
    }
    // As large as 100,000,000 entries: refused by its size before it is read.
    if (name == "giant_array.json") sparse(kHead + "\"clusters\": [[", 200000000);
    if (name == "giant.led") sparse("", std::uintmax_t{3} << 30);
    if (name == "fifo.json" || name == "fifo.led") ::mkfifo(path.c_str(), 0600);
    if (name == "dev_zero") return "/dev/zero";
    return path;
}

std::vector<std::string> inputNames() {
    std::vector<std::string> names{"deep.json",        "deep_field.json",  "long_list.json",
                                   "many_values.json", "giant_array.json", "giant.led",
                                   "fifo.json",        "fifo.led",         "dev_zero"};
    std::vector<std::string> corpus;
    for (const auto& entry : fs::directory_iterator(kCorpus)) {
        const auto ext = entry.path().extension();
        if (ext == ".json" || ext == ".led") corpus.push_back(entry.path().filename().string());
    }
    std::sort(corpus.begin(), corpus.end());
    names.insert(names.end(), corpus.begin(), corpus.end());
    return names;
}

// Every file under `folder` with its content.
std::map<std::string, std::string> snapshot(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file()) {
            files[fs::relative(entry.path(), folder).string()] = readText(entry.path());
        }
    }
    return files;
}

class BadInput : public ::testing::TestWithParam<std::string> {};

TEST_P(BadInput, EveryCommandRefusesItWithinLimits) {
    const TempFolder dir;
    const auto name = GetParam();
    auto input = kCorpus / name;
    if (!fs::exists(input)) input = makeInput(dir, name);

    const auto work = dir.path() / "work";
    fs::create_directories(work);
    for (const char* old : {"out.json", "out.led", "out.gif", "cport.h", "CData.h", "DSPPTN.H",
                            "CSTGRP.h", "GETPTN.c", "old.hex"}) {
        std::ofstream(work / old) << "existing " << old << '\n';
    }
    const auto before = snapshot(work);
    const std::string in = input.string();
    const std::vector<std::vector<std::string>> commands = {
        {"info", in},
        {"info", in, "--json"},
        {"convert", in, "out.json"},
        {"convert", in, "out.led"},
        {"compile", in},
        {"ports", in, "-o", "."},
        {"export", in, "-o", "."},
        {"firmware", in, "-o", "."},
        {"timeline", in, "--parallel", "--until", "1000"},
        {"render", in, "--parallel", "--seconds", "1", "--fps", "1", "-o", "out.gif"},
    };
    const auto out = dir.path() / "stdout";
    const auto err = dir.path() / "stderr";
    const std::vector<std::string> env{"VEXOLUME_TOOLS=" + (dir.path() / "tools").string()};
    for (const auto& args : commands) {
        SCOPED_TRACE(args[0] + " " + (args.size() > 2 ? args[2] : ""));
        const auto r = runLimited(VEXOLUME_CLI, args, work, out, err, limits(), env);
        ASSERT_TRUE(r.exited) << "ended by signal " << r.signal << " after " << r.seconds << " s";
        if (kSanitized) {
            EXPECT_LT(r.maxRssKilobytes, kSanitizedRssKilobytes);
        }
        EXPECT_NE(r.status, 0);
        const auto message = readText(err);
        EXPECT_EQ(message.rfind("vexolume-cli", 0), 0u) << message;
        EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1) << message;
        EXPECT_EQ(readText(out), "");
        EXPECT_EQ(snapshot(work), before);
    }
}

std::string testName(const ::testing::TestParamInfo<std::string>& param) {
    std::string n = param.param;
    std::replace_if(
        n.begin(), n.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); },
        '_');
    return n;
}

INSTANTIATE_TEST_SUITE_P(Corpus, BadInput, ::testing::ValuesIn(inputNames()), testName);

}  // namespace
}  // namespace vx::test
