// Runs vexolume-cli as a user would and checks its output, exit status and files.

#include <filesystem>
#include <fstream>
#include <string>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "tests/cli/run_cli.h"

namespace {

namespace fs = std::filesystem;

const std::string kSample = VEXOLUME_SOURCE_DIR "/examples/sample.led";
const std::string kSampleJson = VEXOLUME_TEST_DATA "/layout/sample.json";
const std::string kTwoLamps = VEXOLUME_TEST_DATA "/layout/two_lamps.led";

using vx::test::readText;
using CliTest = vx::test::CliRunTest;

TEST_F(CliTest, InfoSummarisesTheSample) {
    const auto r = run({"info", kSample});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(r.err.empty());
    for (const char* line :
         {"Lamps: 160 (effect lamps 160, spare lamps 0)\n", "Extent: x 0..15, y 0..9\n",
          "  port 1: 80 lamps, chain length 80\n", "  port 2: 80 lamps, chain length 80\n",
          "  no port: 0 lamps\n", "Modes: 9\n", "  CM_CIRCULAR_AREA: 1\n",
          "Program groups: 4 of 32 in use\n",
          "    0. \"Word sweep\" CM_LEFTTORIGHT_WORD (mode 7)\n", "Clusters: 1\n",
          "Cluster groups: 0\n", "Layers: 1 of 50 in use\n"}) {
        EXPECT_NE(r.out.find(line), std::string::npos) << line;
    }
}

TEST_F(CliTest, InfoJsonIsMachineReadable) {
    const auto r = run({"info", kSample, "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto j = nlohmann::json::parse(r.out);
    EXPECT_EQ(j["lamps"], 160);
    EXPECT_EQ(j["extent"], (nlohmann::json{{"maxX", 15}, {"maxY", 9}, {"minX", 0}, {"minY", 0}}));
    ASSERT_EQ(j["ports"].size(), 2u);
    EXPECT_EQ(j["ports"][1]["port"], 2);
    EXPECT_EQ(j["ports"][1]["lamps"], 80);
    EXPECT_EQ(j["ports"][1]["chainLength"], 80);
    EXPECT_EQ(j["ports"][1]["continuous"], true);
    EXPECT_EQ(j["modes"]["count"], 9);
    ASSERT_EQ(j["programGroups"].size(), 32u);
    EXPECT_EQ(j["programGroups"][2]["entries"][2],
              (nlohmann::json{{"kind", "CM_CUSTOMMODE"}, {"label", "Middle rows"}, {"source", 8}}));
    EXPECT_TRUE(j["programGroups"][4]["entries"].empty());
    EXPECT_EQ(j["clusters"]["count"], 1);
    EXPECT_EQ(j["layers"]["nonEmpty"], 1);
}

TEST_F(CliTest, ConvertRoundTripsByteForByte) {
    for (const auto& source : {kSample, kTwoLamps}) {
        SCOPED_TRACE(source);
        const auto json = file("layout.json").string();
        const auto back = file("back.led").string();
        ASSERT_EQ(run({"convert", source, json}).status, 0);
        ASSERT_EQ(run({"convert", json, back}).status, 0);
        EXPECT_EQ(readText(back), readText(source));
    }
    // The JSON of the sample is the committed golden file.
    ASSERT_EQ(run({"convert", kSample, file("sample.json").string()}).status, 0);
    EXPECT_EQ(readText(file("sample.json")), readText(kSampleJson));
}

TEST_F(CliTest, ConvertPicksFormsByNameAndContent) {
    // No telling extension: binary in gives JSON out, JSON in gives binary out.
    const auto noExt = file("copy").string();
    const auto noExt2 = file("copy2").string();
    fs::copy_file(kSample, noExt);
    ASSERT_EQ(run({"convert", noExt, noExt2}).status, 0);
    EXPECT_EQ(readText(noExt2), readText(kSampleJson));
    const auto binary = file("again.bin").string();
    ASSERT_EQ(run({"convert", noExt2, binary}).status, 0);
    EXPECT_EQ(readText(binary), readText(kSample));
    // The info command reads the JSON form as well.
    const auto r = run({"info", kSampleJson});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("Lamps: 160"), std::string::npos);
}

// That a refused input leaves the output alone is checked for every command
// on the bad-input corpus; here the message names the file, the byte or the
// JSON path.
TEST_F(CliTest, RefusalsNameTheFileAndThePlace) {
    std::ofstream(file("damaged.led"), std::ios::binary) << readText(kSample).substr(0, 1000);
    auto j = nlohmann::ordered_json::parse(readText(kSampleJson));
    j["modes"][3]["colors"][1] = "red";
    std::ofstream(file("bad.json"), std::ios::binary) << j.dump(2);
    for (const auto& [args, message] :
         std::vector<std::pair<std::vector<std::string>, std::string>>{
             {{"info", file("damaged.led")},
              "damaged.led: The file is incomplete: it ends too early: the file ends in the middle "
              "of"},
             {{"info", file("damaged.led")}, "(at byte "},
             {{"convert", file("bad.json"), file("out.led")},
              "modes[3].colors[1]: expected an integer, found string"},
             {{"info", file("nothing.led")}, "nothing.led"}}) {
        const auto r = run(args);
        EXPECT_EQ(r.status, 1);
        EXPECT_TRUE(r.out.empty());
        EXPECT_NE(r.err.find(message), std::string::npos) << r.err;
    }
}

}  // namespace
