// vexolume-cli scan and wizard, run as a user would: the layouts they write
// and the settings they refuse.

#include <algorithm>
#include <string>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "tests/cli/run_cli.h"

namespace {

const std::string kWall = VEXOLUME_TEST_DATA "/scan/lamp_wall.jpg";

using vx::test::readText;
using LayoutCliTest = vx::test::CliRunTest;

nlohmann::json readJson(const std::filesystem::path& path) {
    return nlohmann::json::parse(readText(path));
}

TEST_F(LayoutCliTest, ScanFindsTheLampsOfThePhotoAndWritesALayoutThatOpens) {
    const auto led = file("wall.led").string();
    const auto r =
        run({"scan", kWall, "--view", "640x480", "--scope", "620,424,60,64", "--object-size",
             "1400", "--lamp-size", "100", "--tolerance", "40", "-o", led});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              "122 lamps on a lattice of 14 x 9 cells, pitch 40 pels (picture 800 x 600 shown "
              "at 640 x 480)\n");
    // The binary file reads back, with the settings the scan used.
    const auto json = file("wall.json").string();
    ASSERT_EQ(run({"convert", led, json}).status, 0);
    const auto j = readJson(json);
    EXPECT_EQ(j["head"]["scanScope"],
              (nlohmann::json{{"left", 60}, {"top", 64}, {"right", 620}, {"bottom", 424}}));
    EXPECT_EQ(j["head"]["lampPitch"], 40.0);
    EXPECT_EQ(j["head"]["colourTolerance"], 40);
    ASSERT_EQ(j["lamps"].size(), 122u);
    EXPECT_EQ(j["lamps"][0]["x"], 0);
    EXPECT_EQ(j["lamps"][121]["number"], 121);
    // Column 13 starts with the reflection in the cut-away corner.
    EXPECT_EQ(j["lamps"][114]["x"], 13);
    EXPECT_EQ(j["lamps"][114]["y"], 0);
    EXPECT_EQ(j["lamps"][113]["x"], 12);
}

TEST_F(LayoutCliTest, ScanTakesTheBackgroundFromThePictureOrTheOption) {
    const auto out = file("s.json").string();
    ASSERT_EQ(run({"scan", kWall, "--view", "640x480", "-o", out}).status, 0);
    auto j = readJson(out);
    // Open Image: scope over the shown picture less 20 pels, defaults elsewhere.
    EXPECT_EQ(j["head"]["scanScope"],
              (nlohmann::json{{"left", 1}, {"top", 1}, {"right", 620}, {"bottom", 480}}));
    EXPECT_DOUBLE_EQ(j["head"]["lampPitch"].get<double>(), 619.0 * 40.0 / 5000.0);
    EXPECT_LT(j["head"]["backColour"].get<unsigned>() & 0xFF, 80u);  // the dark wall

    ASSERT_EQ(
        run({"scan", kWall, "--view", "640x480", "--back-colour", "255,0,0", "-o", out}).status, 0);
    EXPECT_EQ(readJson(out)["head"]["backColour"], 0xFF);
}

TEST_F(LayoutCliTest, ScanRefusesBadSettingsAndPicturesAndWritesNothing) {
    const auto out = file("never.led");
    // Values out of range are a wrong command line, said in one line.
    for (const auto& [option, value] : {std::pair<std::string, std::string>{"--lamp-size", "1000"},
                                        {"--lamp-size", "1.0"},
                                        {"--lamp-size", "nan"},
                                        {"--tolerance", "255"},
                                        {"--tolerance", "0"},
                                        {"--object-size", "0"},
                                        {"--object-size", "-1"},
                                        {"--object-size", "nan"},
                                        {"--object-size", "inf"}}) {
        const auto r = run({"scan", kWall, "--view", "640x480", option, value, "-o", out.string()});
        EXPECT_EQ(r.status, 64) << option << value;
        EXPECT_NE(r.err.find(option), std::string::npos) << r.err;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    }
    EXPECT_EQ(run({"scan", kWall, "--view", "640", "-o", out.string()}).status, 64);
    const auto r = run({"scan", VEXOLUME_TEST_DATA "/layout/two_lamps.led", "--view", "640x480",
                        "-o", out.string()});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("not a picture"), std::string::npos) << r.err;
    EXPECT_FALSE(std::filesystem::exists(out));
}

TEST_F(LayoutCliTest, WizardMakesAWiredMatrixWithStylesInProgramGroups) {
    const auto out = file("w.json").string();
    const auto r =
        run({"wizard", "--cols", "2", "--rows", "3", "--port", "4", "--styles", "12,0", "-o", out});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.substr(0, 20), "Total Lamp:6\n      \n");
    EXPECT_NE(r.out.find("Programe Group0  :  Grand tour\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Programe Group1  :  Left to right colour sweep\n"), std::string::npos);
    // The wizard's own rules are tested with it; here what the options reach.
    const auto j = readJson(out);
    for (const auto& lamp : j["lamps"]) EXPECT_EQ(lamp["port"], 4);
    EXPECT_EQ(j["effectLamps"].size(), 6u);
    EXPECT_EQ(j["programGroups"][0][0]["kindCode"], 38);
    EXPECT_EQ(j["programGroups"][1].size(), 1u);
    EXPECT_TRUE(j["programGroups"][2].empty());
}

TEST_F(LayoutCliTest, WizardOutlineAndTheSingleLampRule) {
    const auto out = file("o.json").string();
    ASSERT_EQ(run({"wizard", "--cols", "3", "--rows", "3", "--outline", "-o", out}).status, 0);
    EXPECT_EQ(readJson(out)["lamps"].size(), 8u);
    ASSERT_EQ(run({"wizard", "--cols", "1", "--rows", "1", "-o", out}).status, 0);
    EXPECT_EQ(readJson(out)["lamps"].size(), 2u);
    EXPECT_NE(run({"wizard", "--cols", "201", "--rows", "3", "-o", out}).status, 0);
    EXPECT_NE(run({"wizard", "--cols", "2", "--rows", "3", "--styles", "14", "-o", out}).status, 0);
}

}  // namespace
