#include "output/tables/cluster_tables.h"

#include <gtest/gtest.h>

#include "output/tables/accessors.h"
#include "output/tables/table_files.h"
#include "tests/support/test_files.h"

namespace vx {
namespace {

using test::golden;

CompiledEffects smallTables() {
    CompiledEffects c;
    c.clusters = {{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, {}, {5}};
    c.clusterGroups = {{0, 1, 2}, {}};
    c.colorGroup = {{255, 0, 0, 0, 0, 255}, {7, 8, 9}};
    return c;
}

std::vector<UintList> numbered(std::size_t count) {
    std::vector<UintList> table;
    for (std::uint32_t i = 0; i < count; ++i) table.push_back({i});
    return table;
}

TEST(ClusterTables, LineBreaksPaddingAndFamilyOrder) {
    const TableBuild build = buildTableTexts(smallTables());
    EXPECT_TRUE(build.refused.empty());
    EXPECT_EQ(outputText(build.texts, OutputMode::ClusterTables), golden("cstgrp_small.h"));
    EXPECT_EQ(build.texts.clusterCount, 4u);
    EXPECT_EQ(build.texts.clusterGroupCount, 2u);
    EXPECT_EQ(build.texts.colorGroupCount, 2u);
}

TEST(ClusterTables, LimitsAcceptTheLastAndRefuseOneMore) {
    const auto clusters = buildCstGroupText(numbered(511));
    ASSERT_TRUE(clusters);
    ASSERT_EQ(clusters->size(), 512u);
    EXPECT_EQ((*clusters)[510],
              "code unsigned int CstGroup510[] = {\r\n510,  0xffff };          \r\n ");
    EXPECT_EQ((*clusters)[511], "code unsigned int CstGroup511[] = {\r\n 0xffff };          \r\n ");
    const auto tooMany = buildCstGroupText(numbered(512));
    ASSERT_FALSE(tooMany);
    EXPECT_EQ(tooMany.error().key, "SIMULATELIST_CGT_CETN");

    const auto groups = buildClusterGroupText(numbered(61));
    ASSERT_TRUE(groups);
    EXPECT_EQ(groups->size(), 61u);
    EXPECT_EQ(groups->back(),
              "code unsigned int Cst_GroupGroup60[] = {\r\n60,  0xffff };         \r\n  ");
    EXPECT_EQ(buildClusterGroupText(numbered(62)).error().key, "SIMULATELIST_GCGT_GETN");

    const auto colors = buildColorGroupText(numbered(101));
    ASSERT_TRUE(colors);
    EXPECT_EQ(colors->size(), 101u);
    EXPECT_EQ(colors->back(),
              "code unsigned int Color_Group100[] = {\r\n100,  0xffff };         \r\n  ");
    EXPECT_EQ(buildColorGroupText(numbered(102)).error().key, "SIMULATELIST_COLORTEXT_CETN");
}

TEST(ClusterTables, RefusedFamilyIsLeftOutOfTheFile) {
    CompiledEffects c = smallTables();
    c.clusters = numbered(600);
    const TableBuild build = buildTableTexts(c);
    ASSERT_EQ(build.refused.size(), 1u);
    EXPECT_EQ(build.refused[0].key, "SIMULATELIST_CGT_CETN");
    EXPECT_TRUE(build.texts.clusters.empty());
    const std::string text = outputText(build.texts, OutputMode::ClusterTables);
    EXPECT_EQ(text.rfind("code unsigned int Cst_GroupGroup0[] = {", 0), 0u);
    EXPECT_EQ(build.texts.clusterCount, 600u);
}

TEST(Accessors, CasesForEveryEntry) {
    TableTexts texts;
    CompiledEffects c;
    c.clusters = {{1}, {2}};
    c.clusterGroups = {{0}};
    c.colorGroup = {{1, 2, 3}};
    texts.getPtn = buildGetPtnText(c);
    EXPECT_EQ(outputText(texts, OutputMode::Accessors), golden("getptn_small.c"));
    EXPECT_EQ(outputText(texts, OutputMode::Normal), "");
}

TEST(TableFiles, WritesBothFilesAndReportsAnUnwritableFolder) {
    test::ScratchDir dir("tables");
    const TableBuild build = buildTableTexts(smallTables());
    EXPECT_TRUE(writeTableFiles(build, dir.path()).empty());
    EXPECT_EQ(test::fileText(dir.path() / "CSTGRP.h"), golden("cstgrp_small.h"));
    EXPECT_EQ(test::fileText(dir.path() / "DSPPTN.H"), golden("dsp_empty.h"));

    ASSERT_TRUE(writeTableFile(build.texts, OutputMode::Accessors, dir.path() / "mine.c"));
    EXPECT_EQ(test::fileText(dir.path() / "mine.c"),
              outputText(build.texts, OutputMode::Accessors));
    ASSERT_TRUE(writeTableFile(build.texts, OutputMode::Normal, dir.path() / "none.c"));
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "none.c"));

    const auto messages = writeTableFiles(build, dir.path() / "absent");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].key, "MODETESTDOC_ONOUTTEXT_FTCD");
}

}  // namespace
}  // namespace vx
