// Capacity report, image name and tag, and the embedded firmware template.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "output/firmware/capacity_report.h"
#include "output/firmware/image_tag.h"
#include "output/firmware/template_files.h"
#include "output/firmware/template_writer.h"
#include "output/tables/cluster_tables.h"
#include "output/tables/create_data_report.h"
#include "tests/support/test_files.h"

namespace vx {
namespace {

std::string keyOnly(const std::string& key) { return "<" + key + ">"; }

TEST(CapacityReport, FiguresAreTruncatedTenthsOfEachCapacity) {
    // Program groups 93.75 tenths, clusters 11.81 of 254, cluster groups
    // 32.78 of 61, colour groups exactly 1000 (full, not over), image 18.77.
    CapacityInput input{"1", 3, 3, 2, 101, 12017};
    const CapacityFigures f = capacityFigures(input);
    EXPECT_EQ((std::vector<std::int64_t>{f.programGroups, f.clusters, f.clusterGroups,
                                         f.colorGroups, f.imageSize, f.clusterCapacity}),
              (std::vector<std::int64_t>{93, 11, 32, 1000, 18, 254}));
    EXPECT_FALSE(f.overCapacity());

    input.format = "2";
    EXPECT_EQ(capacityFigures(input).clusters, 5);  // 3 x 1.953125
    EXPECT_EQ(capacityFigures(input).clusterCapacity, 512);
    input.format = "3";
    EXPECT_EQ(capacityFigures(input).clusterCapacity, 254);
}

TEST(CapacityReport, ListsEveryFigureAndWarnsAboveFullCapacity) {
    CapacityInput input{"2", 32, 256, 61, 10, 6400};
    EXPECT_EQ(capacityReport(input, keyOnly), "<ID_MSG_CBINDLG_COGRP> 9.9% of 101\r\n"
                                              "<ID_MSG_CBINDLG_GRPCLUGRP> 100.0% of 61\r\n"
                                              "<ID_MSG_CBINDLG_CLUGRP> 50.0% of 512\r\n"
                                              "<ID_MSG_CBINDLG_PRGGRP> 100.0% of 32\r\n"
                                              "<ID_MSG_CBINDLG_SIZE> 6400(Byte)  1.0% of 64K\r\n");

    input.format = "1";  // the same 256 Clusters overflow the 254 of this format
    const std::string report = capacityReport(input, keyOnly);
    EXPECT_NE(report.find("<ID_MSG_CBINDLG_CLUGRP> 100.7% of 254\r\n"), std::string::npos);
    EXPECT_TRUE(report.ends_with("<ID_MSG_CBINDLG_RRBSB>\r\n"));
}

TEST(ImageFile, NameComesFromTheDocumentAndTheTagCountsLamps) {
    EXPECT_EQ(imageFileName("sample.led", "1"), "sample1.hex");
    EXPECT_EQ(imageFileName("hall.v2.led", "3"), "hall3.hex");
    EXPECT_EQ(imageFileName("noext", "2"), "noext2.hex");

    EXPECT_EQ(lampCountTag(7), "[LampNum]00007");
    EXPECT_EQ(lampCountTag(0), "[LampNum]00000");
    EXPECT_EQ(lampCountTag(12345), "[LampNum]12345");

    test::ScratchDir dir("tag");
    const auto source = dir.path() / "sing1.HEX";
    ASSERT_TRUE(writeFileAtomically(source, std::string(":00000001FF\n")));
    const auto tagged = taggedImage(source, 7);
    ASSERT_TRUE(tagged.ok());
    EXPECT_EQ(*tagged, ":00000001FF\n[LampNum]00007");
    EXPECT_EQ(test::fileText(source), ":00000001FF\n");

    const auto missing = taggedImage(dir.path() / "none.HEX", 8);
    ASSERT_FALSE(missing.ok());
    EXPECT_EQ(missing.error().key, "CRTBINDLG_ONBINGO_FDBCF");
}

// Which files the template holds and what they say is proven by building and
// simulating it; here only that it is written whole.
TEST(FirmwareTemplate, IsWrittenWholeWithoutCarriageReturns) {
    for (const auto& file : firmwareTemplateFiles()) {
        EXPECT_FALSE(file.bytes.empty()) << file.name;
        EXPECT_EQ(file.bytes.find('\r'), std::string_view::npos) << file.name << " has CR";
    }
    test::ScratchDir dir("template");
    const auto written = writeFirmwareTemplate(dir.path());
    EXPECT_EQ(written.size(), firmwareTemplateFiles().size());
    EXPECT_EQ(test::fileText(dir.path() / "d.bat"), "cr sing1\n");
}

}  // namespace
}  // namespace vx

namespace vx {
namespace {

// Create Data: what compilation made, each table's share, the file sizes,
// then the refusal of an oversized colour table.
TEST(CreateDataReport, CountsSharesFileSizesAndRefusals) {
    CompiledEffects compiled;
    compiled.modes.resize(3, createMode("CM_LEFTTORIGHT_GC"));
    compiled.programGroups[0] = {0, 1};
    compiled.programGroups[5] = {2};
    compiled.clusters = {{0, 1}, {2}, {3}};
    compiled.clusterGroups = {{0, 1, 2}};
    compiled.colorGroup.assign(kMaxColorGroups + 1, UintList{255, 0, 0});
    const TableBuild build = buildTableTexts(compiled);
    const std::string report = createDataReport(compiled, build, keyOnly);
    const std::string cstgrp =
        std::to_string(outputText(build.texts, OutputMode::ClusterTables).size());
    EXPECT_TRUE(report.starts_with("<ID_MSG_CREATEDATA_MODES> 3\n"
                                   "<ID_MSG_CBINDLG_COGRP> 102 (100.9% of 101)\n"
                                   "<ID_MSG_CBINDLG_GRPCLUGRP> 1 (1.6% of 61)\n"
                                   "<ID_MSG_CBINDLG_CLUGRP> 3 (1.1% of 254)\n"
                                   "<ID_MSG_CBINDLG_PRGGRP> 2 (6.2% of 32)\n"))
        << report;
    EXPECT_TRUE(
        report.ends_with("\nCSTGRP.h " + cstgrp + "(Byte)\n<SIMULATELIST_COLORTEXT_CETN>\n"))
        << report;
}

}  // namespace
}  // namespace vx
