// The whole Create BIN File run with SDCC on the bundled sample, and its
// failure paths with a missing or failing toolchain.

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <algorithm>
#include <string>

#include "layout/layout_file.h"
#include "output/firmware/firmware_build.h"
#include "output/firmware/template_files.h"
#include "tests/support/test_files.h"

namespace vx {
namespace {

namespace fs = std::filesystem;

LampLayout sampleLayout() {
    auto bytes = readFileBytes(VEXOLUME_SOURCE_DIR "/examples/sample.led");
    EXPECT_TRUE(bytes.ok());
    auto layout = decodeLayout(*bytes);
    EXPECT_TRUE(layout.ok());
    return layout.ok() ? *layout : LampLayout{};
}

// A working folder and a tool folder side by side.
struct Folders {
    explicit Folders(const std::string& tag)
        : root(tag), work(root.path() / "work"), tools(root.path() / "tools") {
        fs::create_directories(work);
        fs::create_directories(tools);
    }
    FirmwareBuildOptions options(const std::string& format = "1") const {
        FirmwareBuildOptions o;
        o.format = format;
        o.workFolder = work;
        o.toolFolder = tools;
        o.documentName = "sample.led";
        o.pollCount = 3;
        return o;
    }
    test::ScratchDir root;
    fs::path work;
    fs::path tools;
};

std::vector<std::string> keys(const FirmwareBuildResult& result) {
    std::vector<std::string> k;
    for (const auto& m : result.messages) k.push_back(m.key);
    return k;
}

bool hasTemplate(const fs::path& folder) {
    return std::ranges::any_of(firmwareTemplateFiles(),
                               [&](const TemplateFile& f) { return fs::exists(folder / f.name); });
}

// Runs the body with PATH replaced, and puts it back.
template <class Body>
void withPath(const std::string& path, Body body) {
    const char* old = std::getenv("PATH");
    const std::string saved = old != nullptr ? old : "";
    ::setenv("PATH", path.c_str(), 1);
    body();
    ::setenv("PATH", saved.c_str(), 1);
}

TEST(FirmwareBuild, SampleBuildsIntoATaggedImageAndCleansTheToolFolder) {
    Folders f("fw-sample");
    int lastProgress = -1;
    auto options = f.options();
    options.progress = [&](int p) { lastProgress = p; };
    const FirmwareBuildResult result = buildFirmware(sampleLayout(), options);
    ASSERT_TRUE(result.completed) << result.toolLog;
    EXPECT_EQ(keys(result), std::vector<std::string>{"ID_MSG_CBINDLG_CREATE"});
    EXPECT_EQ(lastProgress, 100);

    EXPECT_EQ(result.image, f.work / "sample1.hex");
    const std::string image = test::fileText(result.image);
    EXPECT_TRUE(image.starts_with(":")) << image.substr(0, 40);
    EXPECT_TRUE(image.ends_with(":00000001FF\n[LampNum]00160")) << image.substr(image.size() - 40);
    EXPECT_GT(result.imageSize, 1000u);
    EXPECT_LT(result.imageSize, 65536u);
    EXPECT_NE(result.report.find("ID_MSG_CBINDLG_PRGGRP 12.5% of 32\r\n"), std::string::npos)
        << result.report;
    EXPECT_NE(result.report.find("ID_MSG_CBINDLG_SIZE " + std::to_string(result.imageSize) +
                                 "(Byte)  "),
              std::string::npos);

    // Generated files were moved into the tool folder and removed after the run.
    for (const char* name : {"DSPPTN.H", "CSTGRP.h", "CData.h"}) {
        EXPECT_FALSE(fs::exists(f.work / name)) << name;
        EXPECT_FALSE(fs::exists(f.tools / name)) << name;
    }
    EXPECT_TRUE(fs::exists(f.work / "cport.h"));
    EXPECT_TRUE(fs::exists(f.tools / "cport.h"));
    EXPECT_FALSE(hasTemplate(f.tools));
    std::vector<std::string> left;
    for (const auto& entry : fs::directory_iterator(f.tools)) left.push_back(entry.path().filename());
    EXPECT_EQ(left, std::vector<std::string>{"cport.h"});
}

TEST(FirmwareBuild, KeepFilesMarkerKeepsCopiesAndTheToolchainOutputs) {
    Folders f("fw-keep");
    ASSERT_TRUE(writeFileAtomically(f.tools / kKeepFilesMarker, std::string()));
    ASSERT_TRUE(writeFileAtomically(f.tools / "L51.EXE", std::string()));
    const FirmwareBuildResult result = buildFirmware(sampleLayout(), f.options("2"));
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
    FirmwareBuildResult result;
    withPath(emptyBin.string(), [&] { result = buildFirmware(sampleLayout(), f.options()); });
    EXPECT_FALSE(result.completed);
    ASSERT_EQ(keys(result), std::vector<std::string>{"CRTBINDLG_ONBINGO_FTCB"});
    EXPECT_NE(result.messages[0].detail.find("sdcc"), std::string::npos);
    EXPECT_FALSE(hasTemplate(f.tools));
    // What the toolchain would have read stays where it was brought.
    EXPECT_TRUE(fs::exists(f.tools / "CData.h"));
    EXPECT_TRUE(fs::exists(f.tools / "cport.h"));
    EXPECT_FALSE(fs::exists(f.work / "sample1.hex"));
    EXPECT_TRUE(result.report.empty());
}

TEST(FirmwareBuild, FailingCompilerAsksToRetryWithItsOwnMessages) {
    Folders f("fw-failing");
    const fs::path bin = f.root.path() / "bin";
    fs::create_directories(bin);
    for (const char* tool : {"sdcc", "packihx", "makebin"}) {
        ASSERT_TRUE(writeFileAtomically(
            bin / tool, std::string("#!/bin/sh\necho \"sing1.c:12: error 1: broken table\" >&2\n"
                                    "exit 1\n")));
        ::chmod((bin / tool).c_str(), 0755);
    }
    // An image left by an earlier run that kept its files is not this run's.
    ASSERT_TRUE(writeFileAtomically(f.tools / "sing1.BIN", std::string("old")));
    ASSERT_TRUE(writeFileAtomically(f.tools / "sing1.HEX", std::string(":00000001FF\n")));
    int asked = 0;
    auto options = f.options();
    options.retry = [&](const Error& e) {
        EXPECT_NE(e.detail.find("error 1: broken table"), std::string::npos) << e.detail;
        return ++asked < 2;  // Retry once, then Cancel
    };
    FirmwareBuildResult result;
    withPath(bin.string() + ":/bin:/usr/bin", [&] { result = buildFirmware(sampleLayout(), options); });
    EXPECT_FALSE(result.completed);
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(keys(result), (std::vector<std::string>{"ID_MSG_CBINDLG_CREATE", "CRTBINDLG_ONBINGO_CBFF",
                                                      "CRTBINDLG_ONBINGO_CBFF"}));
    EXPECT_NE(result.toolLog.find("$ sdcc -mmcs51"), std::string::npos);
    // Nothing is deleted when the binary does not appear.
    EXPECT_TRUE(hasTemplate(f.tools));
    EXPECT_TRUE(fs::exists(f.tools / "CData.h"));
    EXPECT_FALSE(fs::exists(f.work / "sample1.hex"));
}


TEST(FirmwareBuild, PortTableThatCannotBeCopiedStopsBeforeTheToolchain) {
    Folders f("fw-cport");
    fs::create_directories(f.tools / "cport.h" / "in-the-way");  // not a file, not removable
    const FirmwareBuildResult result = buildFirmware(sampleLayout(), f.options());
    EXPECT_FALSE(result.completed);
    EXPECT_EQ(keys(result), std::vector<std::string>{"CRTBINDLG_ONBINGO_PC"});
    EXPECT_TRUE(hasTemplate(f.tools));             // written before
    EXPECT_TRUE(fs::exists(f.work / "DSPPTN.H"));  // tables written, never moved
    EXPECT_TRUE(fs::exists(f.work / "CSTGRP.h"));
    EXPECT_FALSE(fs::exists(f.tools / "CData.h"));
}

TEST(FirmwareBuild, ImageThatCannotBeCopiedEndsTheBuildWithoutCleaning) {
    Folders f("fw-image");
    fs::create_directories(f.work / "sample1.hex" / "in-the-way");
    const FirmwareBuildResult result = buildFirmware(sampleLayout(), f.options());
    EXPECT_FALSE(result.completed);
    EXPECT_EQ(keys(result),
              (std::vector<std::string>{"ID_MSG_CBINDLG_CREATE", "CRTBINDLG_ONBINGO_FDBCF"}));
    EXPECT_FALSE(result.report.empty());  // the report comes before the copy
    EXPECT_TRUE(result.image.empty());
    EXPECT_TRUE(fs::exists(f.tools / "sing1.HEX"));
    EXPECT_TRUE(hasTemplate(f.tools));
}

}  // namespace
}  // namespace vx
