#include "output/cdata/controller_files.h"

#include <gtest/gtest.h>

#include "engine/compile/compile_effects.h"
#include "layout/layout_file.h"
#include "output/cdata/cdata.h"
#include "tests/output/compiled_fixture.h"
#include "tests/support/example_layout.h"
#include "tests/support/test_files.h"

namespace vx {
namespace {

namespace fs = std::filesystem;

// The sample goldens pin the whole chain from the bundled layout through
// compilation to CData.h. After a deliberate change to the sample or to
// compilation, review the differences and refresh them with
//   vexolume-cli export examples/sample.led -o tests/data/output/sample
TEST(ControllerFiles, SampleExportMatchesGoldens) {
    const LampLayout layout = test::exampleLayout();
    const auto files = buildControllerFiles(layout, compileEffects(layout));
    ASSERT_TRUE(files) << files.error().describe();
    EXPECT_TRUE(files->refused.empty());
    ASSERT_EQ(files->files.size(), 5u);
    for (const ControllerFile& file : files->files) {
        EXPECT_EQ(file.text, test::golden("sample/" + file.name)) << file.name;
    }
}

TEST(ControllerFiles, WrittenAsAWholeOrNotAtAll) {
    test::ScratchDir dir("export");
    const std::vector<ControllerFile> files = {{"cport.h", "a"}, {"CData.h", "b"}};
    ASSERT_TRUE(writeControllerFiles(files, dir.path()));
    EXPECT_EQ(test::fileText(dir.path() / "cport.h"), "a");
    EXPECT_EQ(test::fileText(dir.path() / "CData.h"), "b");

    // A directory in the way of the second file: the first keeps its old text
    // and no temporary file is left behind.
    fs::create_directories(dir.path() / "blocked" / "x");
    const std::vector<ControllerFile> blocked = {{"cport.h", "new"}, {"blocked", "c"}};
    EXPECT_FALSE(writeControllerFiles(blocked, dir.path()));
    EXPECT_EQ(test::fileText(dir.path() / "cport.h"), "a");
    EXPECT_EQ(test::fileNames(dir.path()).size(), 3u);
}

// A family over its limit is written empty; CData.h keeps the steps that do
// not need it, so the controller still plays what fits.
TEST(ControllerFiles, OversizedTableIsLeftOutAndTheRestIsKept) {
    LampLayout layout;
    CompiledEffects compiled;
    compiled.clusters = {{0, 1, 2}};
    compiled.colorGroup.assign(102, UintList{1, 2, 3});
    const std::size_t fade = test::addMode(
        compiled, {"CM_BRIGHTTODARK", 0, 0, -1, 0, 4, 10, 5, {250, 200, 150, 200, 100, 50}});
    const std::size_t chase = test::addMode(compiled, {"CM_LEFTTORIGHT_CC", 6, 0, -1, 3, 5, 4, 8});
    compiled.programGroups[0] = {fade, chase};
    compiled.programGroups[1] = {chase};

    const auto files = buildControllerFiles(layout, compiled);
    ASSERT_TRUE(files) << files.error().describe();
    ASSERT_EQ(files->refused.size(), 1u);
    EXPECT_EQ(files->refused[0].key, "SIMULATELIST_COLORTEXT_CETN");
    EXPECT_EQ(files->leftOutRecords, 2u);

    const std::string cstgrp = files->files[2].text;
    EXPECT_NE(cstgrp.find("code unsigned int CstGroup0[] = {\r\n0, 1, 2,  0xffff };"),
              std::string::npos);
    EXPECT_EQ(cstgrp.find("Color_Group"), std::string::npos);
    const std::string cdata = files->files[4].text;
    EXPECT_EQ(cdata.find("CLRGRP0[]={{1,2,3}}"), std::string::npos);
    // The fade brings its own two colours and is numbered from 0.
    EXPECT_NE(cdata.find("code RGB CLRGRP0[]={{250,200,150},{200,100,50}};\r\n"), std::string::npos)
        << cdata;
    EXPECT_NE(cdata.find("#define PTNCNT1\t\t 1\r\n#define PTNCNT2\t\t 0\r\n"), std::string::npos);
    EXPECT_NE(cdata.find("code PTN ShowPtn1[1]={{3,4,10,"), std::string::npos) << cdata;
    EXPECT_NE(cdata.find("code PTN ShowPtn2[1]={{99,"), std::string::npos);

    // Without the refusal the same steps name a colour the text lacks: a fault.
    compiled.colorGroup.resize(2);
    const auto broken = buildControllerFiles(layout, compiled);
    ASSERT_FALSE(broken);
    EXPECT_EQ(broken.error().key, kCDataFailedKey);
}

TEST(ControllerFiles, TooManyClustersTakeTheirGroupsWithThem) {
    LampLayout layout;
    CompiledEffects compiled;
    for (std::uint32_t i = 0; i < 512; ++i) compiled.clusters.push_back({i});
    compiled.clusterGroups = {{0, 1}};
    compiled.colorGroup = {{255, 0, 0}};
    const std::size_t sweep = test::addMode(compiled, {"CM_LEFTTORIGHT_GC", 2, -1, 0, 0, 5, 4, 8});
    compiled.programGroups[0] = {sweep};
    const auto files = buildControllerFiles(layout, compiled);
    ASSERT_TRUE(files) << files.error().describe();
    ASSERT_EQ(files->refused.size(), 1u);
    EXPECT_EQ(files->refused[0].key, "SIMULATELIST_CGT_CETN");
    EXPECT_EQ(files->leftOutRecords, 1u);
    const std::string cdata = files->files[4].text;
    EXPECT_EQ(cdata.find("CST0[]"), std::string::npos);
    EXPECT_EQ(cdata.find("CSTG0[]"), std::string::npos);
    EXPECT_NE(cdata.find("code RGB CLRGRP0[]={{255,0,0}};"), std::string::npos);
}

}  // namespace
}  // namespace vx
