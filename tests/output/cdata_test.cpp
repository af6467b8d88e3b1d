#include "output/cdata/cdata.h"

#include <gtest/gtest.h>

#include "output/cdata/table_parse.h"
#include "tests/support/test_files.h"

namespace vx {
namespace {

using test::golden;

struct Inputs {
    std::string cport = golden("cdata_in_cport.h");
    std::string dspptn = golden("cdata_in_dspptn.h");
    std::string cstgrp = golden("cdata_in_cstgrp.h");

    CDataInput input() const {
        CDataInput in;
        in.portTable = cport;
        in.showPattern = dspptn;
        in.clusterTables = cstgrp;
        in.lampCount = 5;
        in.clusterCount = 2;
        in.clusterGroupCount = 1;
        in.colorGroupCount = 2;
        return in;
    }
};

TEST(CData, RecordsForEveryRowCode) {
    const Inputs files;
    const auto text = buildCDataText(files.input());
    ASSERT_TRUE(text) << text.error().detail;
    EXPECT_EQ(*text, golden("cdata_expected.h"));
}

TEST(CData, OtherFormatsIncludeTheSecondTypeHeader) {
    const Inputs files;
    CDataInput in = files.input();
    in.format = "3";
    const auto text = buildCDataText(in);
    ASSERT_TRUE(text);
    EXPECT_EQ(text->rfind("#include <DatTyp2.h>\r\n#define TOTLMPCNT\t 5\r\n", 0), 0u);
}

TEST(CData, RowNamingAMissingEntryFails) {
    Inputs files;
    // Cluster 2 is padding past the recorded count.
    files.dspptn = "code unsigned int ShowPattern0[] = {\r\n  5, 2, 0, 7, 3, 11,   \r\n";
    const auto cluster = buildCDataText(files.input());
    ASSERT_FALSE(cluster);
    EXPECT_EQ(cluster.error().key, kCDataFailedKey);

    files.dspptn = "code unsigned int ShowPattern0[] = {\r\n  1, 0, 2, 5, 4, 20, \r\n";
    EXPECT_FALSE(buildCDataText(files.input()));
    files.dspptn = "code unsigned int ShowPattern0[] = {\r\n  0, 64, 10, 200, \r\n";
    EXPECT_FALSE(buildCDataText(files.input()));
}

TEST(CData, EmptyListsStayValidC) {
    CDataInput in;
    const std::string cstgrp = "code unsigned int CstGroup0[] = {\r\n 0xffff };\r\n"
                               "code unsigned int Cst_GroupGroup0[] = {\r\n 0xffff };\r\n"
                               "code unsigned int Color_Group0[] = {\r\n 0xffff };\r\n";
    in.clusterTables = cstgrp;
    in.clusterCount = in.clusterGroupCount = in.colorGroupCount = 1;
    const auto text = buildCDataText(in);
    ASSERT_TRUE(text);
    EXPECT_NE(text->find("code unsigned int CST0[]={0};\r\n"), std::string::npos);
    EXPECT_NE(text->find("code CSTG CSTG0[]={{0,0}};\r\n"), std::string::npos);
    EXPECT_NE(text->find("code RGB CLRGRP0[]={{0,0,0}};\r\n"), std::string::npos);
    EXPECT_NE(text->find("code unsigned int Port5[5]={11,1,0,0,0};\r\n"), std::string::npos);
}

TEST(CData, FadeTargetDecoding) {
    EXPECT_EQ(decodeFadeTarget(3072 + 17), 17);
    EXPECT_EQ(decodeFadeTarget(2048 + 255), 255);
    EXPECT_EQ(decodeFadeTarget(2304 + 100), 356);  // three rising channels
    EXPECT_EQ(decodeFadeTarget(1792 + 40), 40);    // one rising channel
    EXPECT_EQ(decodeFadeTarget(1536 + 40), 40);    // none rising
    EXPECT_EQ(decodeFadeTarget(768 + 9), 9);
    EXPECT_EQ(decodeFadeTarget(512 + 255), 255);
    EXPECT_EQ(decodeFadeTarget(256), 256);
    EXPECT_EQ(decodeFadeTarget(0), 0);
}

TEST(CData, ReadsAndWritesTheFilesInAFolder) {
    test::ScratchDir dir("cdata");
    const Inputs files;
    ASSERT_TRUE(writeFileAtomically(dir.path() / "cport.h", files.cport));
    ASSERT_TRUE(writeFileAtomically(dir.path() / "DSPPTN.H", files.dspptn));
    CDataInput in = files.input();
    const Status missing = writeCDataFile(dir.path(), in);
    ASSERT_FALSE(missing);
    EXPECT_EQ(missing.error().key, kCDataFailedKey);
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "CData.h"));

    ASSERT_TRUE(writeFileAtomically(dir.path() / "CSTGRP.h", files.cstgrp));
    ASSERT_TRUE(writeCDataFile(dir.path(), in));
    EXPECT_EQ(test::fileText(dir.path() / "CData.h"), golden("cdata_expected.h"));
}

TEST(TableParse, ArraysAndRows) {
    const auto arrays =
        parseArrays("code unsigned int CPort3[] = {\r\n9 , 8 , \r\n7 , 0xFFFF\r\n };");
    ASSERT_TRUE(arrays);
    EXPECT_EQ(arrays->at("CPort").at(3), (std::vector<std::int64_t>{9, 8, 7}));
    EXPECT_FALSE(parseArrays("code unsigned int CPort[] = {1, 0xFFFF };"));
    EXPECT_FALSE(parseArrays("code unsigned int CPort1[] = {1, x, 0xFFFF };"));

    const auto rows = parsePatternRows(
        "code unsigned int ShowPattern0[] = {\r\n  \r\n  0xFD,  0x0001, \r\n 0XFF, };\r\n "
        "code unsigned int ShowPattern1[] = {\r\n  254, 5,             \r\n  ");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].program, 1u);
    EXPECT_EQ(rows[0].fields, (std::vector<std::string>{"254", "5"}));
}

}  // namespace
}  // namespace vx
