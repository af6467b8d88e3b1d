// What the firmware build takes from outside the layout: tables over their
// limits, the working folder's port table and the handed-over lamp count.

#include <gtest/gtest.h>

#include <string>

#include "layout/port_table.h"
#include "output/firmware/firmware_build.h"
#include "tests/output/firmware/firmware_folders.h"
#include "tests/output/oversized_layout.h"

namespace vx {
namespace {

namespace fs = std::filesystem;

using Folders = test::FirmwareFolders;
using test::messageKeys;

TEST(FirmwareInputs, TableOverItsLimitIsReportedAndTheBuildGoesOn) {
    Folders f("fw-limits");
    const FirmwareBuildResult result =
        buildFirmware(test::tooColorfulLayout(), f.options("1", "colourful.led"));
    ASSERT_TRUE(result.completed) << result.toolLog;
    EXPECT_EQ(messageKeys(result),
              (std::vector<std::string>{"SIMULATELIST_COLORTEXT_CETN", "ID_MSG_CBINDLG_CREATE"}));
    // The report counts what the effects need, so it says the data is too large.
    EXPECT_NE(result.report.find("ID_MSG_CBINDLG_COGRP 100.9% of 101"), std::string::npos)
        << result.report;
    EXPECT_NE(result.report.find("ID_MSG_CBINDLG_RRBSB"), std::string::npos);
    EXPECT_TRUE(test::fileText(result.image).ends_with("[LampNum]00004"));
}

TEST(FirmwareInputs, DesktopBuildTakesThePortTableAndLampCountItIsGiven) {
    Folders f("fw-handed");
    auto options = f.options("1", "colourful.led");
    options.portTableFromWorkFolder = true;
    options.lampCount = 3;

    // Without a port table in the working folder there is nothing to copy.
    FirmwareBuildResult result = buildFirmware(test::tooColorfulLayout(), options);
    EXPECT_EQ(messageKeys(result).back(), "CRTBINDLG_ONBINGO_PC");
    EXPECT_FALSE(result.completed);

    // The one there is used as it stands, even when the lamps have changed since.
    LampLayout wired;
    for (std::int32_t i = 0; i < 3; ++i) {
        Lamp lamp = Lamp::made(i, 0, i, 10);
        lamp.port = 2;
        lamp.portOrder = i + 1;
        wired.lamps.push_back(lamp);
    }
    ASSERT_TRUE(writePortTable(wired.lamps, f.work));
    const std::string portTable = test::fileText(f.work / "cport.h");
    result = buildFirmware(test::tooColorfulLayout(), options);
    ASSERT_TRUE(result.completed) << result.toolLog;
    EXPECT_EQ(test::fileText(f.work / "cport.h"), portTable);
    EXPECT_EQ(test::fileText(f.tools / "cport.h"), portTable);
    EXPECT_TRUE(test::fileText(result.image).ends_with("[LampNum]00003"));
}

TEST(FirmwareInputs, CancelEndsTheBuildBeforeTheToolchain) {
    Folders f("fw-cancel");
    auto options = f.options("1", "colourful.led");
    options.cancelled = [] { return true; };
    const FirmwareBuildResult result = buildFirmware(test::tooColorfulLayout(), options);
    EXPECT_TRUE(result.cancelled);
    EXPECT_FALSE(result.completed);
    EXPECT_TRUE(result.toolLog.empty());
    EXPECT_FALSE(fs::exists(f.work / "colourful1.hex"));
}

}  // namespace
}  // namespace vx
