// The whole Create BIN File run with SDCC on the bundled sample, and its
// failure paths with a missing or failing toolchain.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <string>

#include "layout/layout_file.h"
#include "output/firmware/firmware_build.h"
#include "output/firmware/template_files.h"
#include "tests/output/firmware/firmware_folders.h"
#include "tests/output/oversized_layout.h"
#include "tests/support/example_layout.h"
#include "tests/support/scoped_env.h"

namespace vx {
namespace {

namespace fs = std::filesystem;

using Folders = test::FirmwareFolders;
using test::messageKeys;

bool hasTemplate(const fs::path& folder) {
    return std::ranges::any_of(firmwareTemplateFiles(),
                               [&](const TemplateFile& f) { return fs::exists(folder / f.name); });
}

// Builds the sample with PATH replaced, and puts it back.
FirmwareBuildResult buildOnPath(const std::string& path, const FirmwareBuildOptions& options) {
    const test::ScopedEnv env("PATH", path);
    return buildFirmware(test::exampleLayout(), options);
}

TEST(FirmwareBuild, SampleBuildsIntoATaggedImageAndCleansTheToolFolder) {
    Folders f("fw-sample");
    int lastProgress = -1;
    auto options = f.options();
    options.progress = [&](int p) { lastProgress = p; };
    const FirmwareBuildResult result = buildFirmware(test::exampleLayout(), options);
    ASSERT_TRUE(result.completed) << result.toolLog;
    EXPECT_EQ(messageKeys(result), std::vector<std::string>{"ID_MSG_CBINDLG_CREATE"});
    EXPECT_EQ(lastProgress, 100);

    EXPECT_EQ(result.image, f.work / "sample1.hex");
    const std::string image = test::fileText(result.image);
    EXPECT_TRUE(image.starts_with(":")) << image.substr(0, 40);
    EXPECT_TRUE(image.ends_with(":00000001FF\n[LampNum]00160")) << image.substr(image.size() - 40);
    EXPECT_GT(result.imageSize, 1000u);
    EXPECT_LT(result.imageSize, 65536u);
    EXPECT_NE(result.report.find("ID_MSG_CBINDLG_PRGGRP 12.5% of 32\r\n"), std::string::npos)
        << result.report;
    EXPECT_NE(
        result.report.find("ID_MSG_CBINDLG_SIZE " + std::to_string(result.imageSize) + "(Byte)  "),
        std::string::npos);

    // Generated files stayed in the build's own folder, which went with it.
    EXPECT_EQ(test::fileNames(f.work), (std::vector<std::string>{"cport.h", "sample1.hex"}));
    EXPECT_EQ(test::fileNames(f.tools), std::vector<std::string>{"cport.h"});
}

TEST(FirmwareBuild, KeepFilesMarkerKeepsCopiesAndTheToolchainOutputs) {
    Folders f("fw-keep");
    ASSERT_TRUE(writeFileAtomically(f.tools / kKeepFilesMarker, std::string()));
    ASSERT_TRUE(writeFileAtomically(f.tools / "L51.EXE", std::string()));
    const FirmwareBuildResult result = buildFirmware(test::exampleLayout(), f.options("2"));
    ASSERT_TRUE(result.completed) << result.toolLog;
    EXPECT_EQ(result.image, f.work / "sample2.hex");
    EXPECT_NE(result.report.find("% of 512\r\n"), std::string::npos) << result.report;
    for (const char* name : {"DSPPTN.H", "CSTGRP.h", "CData.h"}) {
        EXPECT_TRUE(fs::exists(f.work / name)) << name;  // copied, not moved
        EXPECT_TRUE(fs::exists(f.tools / name)) << name;
    }
    EXPECT_TRUE(test::fileText(f.tools / "CData.h").starts_with("#include <DatTyp2.h>\r\n"));
    EXPECT_TRUE(hasTemplate(f.tools));
    EXPECT_TRUE(fs::exists(f.tools / "sing2.HEX"));
    EXPECT_TRUE(fs::exists(f.tools / "sing2.BIN"));
}

TEST(FirmwareBuild, MissingToolchainReportsTheBatchStartAndRemovesTheTemplate) {
    Folders f("fw-missing");
    const fs::path emptyBin = f.root.path() / "bin";
    fs::create_directories(emptyBin);
    FirmwareBuildResult result = buildOnPath(emptyBin.string(), f.options());
    EXPECT_FALSE(result.completed);
    ASSERT_EQ(messageKeys(result), std::vector<std::string>{"CRTBINDLG_ONBINGO_FTCB"});
    EXPECT_NE(result.messages[0].detail.find("sdcc"), std::string::npos);
    EXPECT_EQ(test::fileNames(f.tools), std::vector<std::string>{"cport.h"});
    EXPECT_TRUE(test::fileNames(f.work).empty());
    EXPECT_TRUE(result.report.empty());
}

TEST(FirmwareBuild, AFailingStepStopsTheBuildAndIsNamedWithItsOwnMessages) {
    Folders f("fw-failing");
    const fs::path bin = test::standInToolchain(
        f.root.path(),
        "case \"$*\" in *sing1.c*) echo 'sing1.c:12: error 1: broken table' >&2; exit 1;; esac\n");
    // An image left by an earlier run that kept its files is not this run's.
    ASSERT_TRUE(writeFileAtomically(f.tools / "sing1.BIN", std::string("old")));
    ASSERT_TRUE(writeFileAtomically(f.tools / "sing1.HEX", std::string(":00000001FF\n")));
    auto options = f.options();
    options.retry = [](const Error&) -> bool {
        ADD_FAILURE() << "a failed step is not waited for";
        return false;
    };
    FirmwareBuildResult result = buildOnPath(bin.string() + ":/bin:/usr/bin", options);
    EXPECT_FALSE(result.completed);
    ASSERT_EQ(messageKeys(result),
              (std::vector<std::string>{"ID_MSG_CBINDLG_CREATE", "ERR_FIRMWARE_STEP_FAILED"}));
    const std::string& detail = result.messages[1].detail;
    EXPECT_TRUE(detail.starts_with("sdcc -mmcs51")) << detail;
    EXPECT_NE(detail.find("-c sing1.c\nended with status 1:\nsing1.c:12: error 1: broken table"),
              std::string::npos)
        << detail;
    // The two units before it compiled; nothing ran after it.
    EXPECT_NE(result.toolLog.find("-c ZLG7290.c"), std::string::npos);
    EXPECT_EQ(result.toolLog.find("-o sing1.ihx"), std::string::npos) << result.toolLog;
    // The build's own files are gone; the files it found are not.
    EXPECT_EQ(test::fileNames(f.tools),
              (std::vector<std::string>{"cport.h", "sing1.BIN", "sing1.HEX"}));
    EXPECT_TRUE(test::fileNames(f.work).empty());
}

TEST(FirmwareBuild, ACompileThatTimesOutSaysSoAndTheLinkNeverRuns) {
    Folders f("fw-timeout");
    const fs::path bin = test::standInToolchain(
        f.root.path(), "case \"$*\" in *VIIC_C51.c*) exec sleep 30;; esac\n");
    auto options = f.options();
    options.toolLimit = std::chrono::milliseconds(300);
    FirmwareBuildResult result = buildOnPath(bin.string() + ":/bin:/usr/bin", options);
    EXPECT_FALSE(result.completed);
    ASSERT_EQ(messageKeys(result),
              (std::vector<std::string>{"ID_MSG_CBINDLG_CREATE", "ERR_FIRMWARE_STEP_TIMEOUT"}));
    EXPECT_NE(result.messages[1].detail.find("-c VIIC_C51.c\ndid not finish within 300 ms"),
              std::string::npos)
        << result.messages[1].detail;
    EXPECT_EQ(result.toolLog.find("ZLG7290.c"), std::string::npos) << result.toolLog;
    EXPECT_EQ(result.toolLog.find("-o sing1.ihx"), std::string::npos);
    EXPECT_EQ(test::fileNames(f.tools), std::vector<std::string>{"cport.h"});
}

TEST(FirmwareBuild, DataTooLargeForTheControllerShowsTheCapacityLinesNotTheLinkerLog) {
    Folders f("fw-capacity");
    const fs::path bin = test::standInToolchain(
        f.root.path(),
        "case \"$*\" in *sing1.ihx*) echo 'ASlink-Warning-Undefined Global'; "
        "echo '?ASlink-Error-Insufficient ROM/EPROM/FLASH memory.'; exit 1;; esac\n");
    FirmwareBuildResult result = buildOnPath(bin.string() + ":/bin:/usr/bin", f.options());
    EXPECT_FALSE(result.completed);
    ASSERT_EQ(messageKeys(result),
              (std::vector<std::string>{"ID_MSG_CBINDLG_CREATE", "ID_MSG_CBINDLG_RRBSB"}));
    EXPECT_EQ(result.messages[1].detail,
              "the linker: ?ASlink-Error-Insufficient ROM/EPROM/FLASH memory.");
    EXPECT_NE(result.report.find("ID_MSG_CBINDLG_PRGGRP 12.5% of 32\r\n"), std::string::npos)
        << result.report;
    EXPECT_NE(result.toolLog.find("Undefined Global"), std::string::npos);
}

// The controller has 64 KB of code memory; makebin's own default is 32 KB.
TEST(FirmwareBuild, ImagesUpToTheCodeMemoryBuildAndLargerDataIsRefusedWithTheSizes) {
    Folders f("fw-large");
    // 100 x 100 colours: 30 KB of colour tables beside the program.
    FirmwareBuildResult result = buildFirmware(test::manyColoursLayout(100, 100), f.options());
    ASSERT_TRUE(result.completed) << result.messages.back().detail << "\n" << result.toolLog;
    EXPECT_GT(result.imageSize, 32768u);
    EXPECT_LE(result.imageSize, 65536u);
    EXPECT_TRUE(test::fileText(result.image).ends_with("[LampNum]00004"));

    // 100 x 200 colours: 60 KB of tables and the program do not fit.
    result = buildFirmware(test::manyColoursLayout(100, 200), f.options());
    EXPECT_FALSE(result.completed);
    ASSERT_EQ(messageKeys(result),
              (std::vector<std::string>{"ID_MSG_CBINDLG_CREATE", "ID_MSG_CBINDLG_RRBSB"}));
    const std::string& detail = result.messages[1].detail;
    EXPECT_TRUE(detail.starts_with("the program needs ")) << detail;
    EXPECT_TRUE(detail.ends_with(" bytes of code memory; the controller has 65536")) << detail;
    EXPECT_GT(std::stoul(detail.substr(std::string("the program needs ").size())), 65536u);
    EXPECT_EQ(test::fileNames(f.tools), std::vector<std::string>{"cport.h"});
}

TEST(FirmwareBuild, AMissingWorkingFolderIsCreatedAndAnOldImageReplacedWhole) {
    Folders f("fw-folder");
    const fs::path bin = test::standInToolchain(f.root.path(), "exit 0\n");
    auto options = f.options();
    options.workFolder = f.work / "new" / "deeper";
    FirmwareBuildResult result = buildOnPath(bin.string() + ":/bin:/usr/bin", options);
    ASSERT_TRUE(result.completed) << (result.messages.empty() ? "" : result.messages.back().detail);
    EXPECT_EQ(messageKeys(result), std::vector<std::string>{"ID_MSG_CBINDLG_CREATE"});
    EXPECT_EQ(test::fileText(options.workFolder / "sample1.hex"),
              ":03000000020000FB\n:00000001FF\n[LampNum]00160");
    EXPECT_TRUE(fs::exists(options.workFolder / "cport.h"));

    // A second build replaces the image; a link to it stays a link.
    fs::rename(options.workFolder / "sample1.hex", options.workFolder / "kept.hex");
    fs::create_symlink("kept.hex", options.workFolder / "sample1.hex");
    result = buildOnPath(bin.string() + ":/bin:/usr/bin", options);
    ASSERT_TRUE(result.completed);
    EXPECT_TRUE(fs::is_symlink(options.workFolder / "sample1.hex"));
    EXPECT_TRUE(test::fileText(options.workFolder / "kept.hex").ends_with("[LampNum]00160"));
}

TEST(FirmwareBuild, PortTableThatCannotBeCopiedStopsBeforeTheToolchain) {
    Folders f("fw-cport");
    fs::create_directories(f.tools / "cport.h" / "in-the-way");  // not a file, not removable
    const FirmwareBuildResult result = buildFirmware(test::exampleLayout(), f.options());
    EXPECT_FALSE(result.completed);
    EXPECT_EQ(messageKeys(result), std::vector<std::string>{"CRTBINDLG_ONBINGO_PC"});
    EXPECT_EQ(test::fileNames(f.tools), std::vector<std::string>{"cport.h"});
    EXPECT_TRUE(test::fileNames(f.work).empty());
}

TEST(FirmwareBuild, ImageThatCannotBeWrittenEndsTheBuildAndItsFilesGo) {
    Folders f("fw-image");
    fs::create_directories(f.work / "sample1.hex" / "in-the-way");
    const FirmwareBuildResult result = buildFirmware(test::exampleLayout(), f.options());
    EXPECT_FALSE(result.completed);
    EXPECT_EQ(messageKeys(result),
              (std::vector<std::string>{"ID_MSG_CBINDLG_CREATE", "CRTBINDLG_ONBINGO_FDBCF"}));
    EXPECT_FALSE(result.report.empty());  // the report comes before the copy
    EXPECT_TRUE(result.image.empty());
    EXPECT_EQ(test::fileNames(f.tools), std::vector<std::string>{"cport.h"});
    EXPECT_EQ(test::fileNames(f.work), std::vector<std::string>{"sample1.hex"});
}

}  // namespace
}  // namespace vx
