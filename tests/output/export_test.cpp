#include "output/cdata/controller_files.h"

#include <gtest/gtest.h>

#include "engine/compile/compile_effects.h"
#include "layout/layout_file.h"
#include "tests/support/test_files.h"

namespace vx {
namespace {

namespace fs = std::filesystem;

Result<LampLayout> sampleLayout() {
    const auto bytes = readFileBytes(fs::path(VEXOLUME_SOURCE_DIR) / "examples" / "sample.led");
    if (!bytes) return bytes.error();
    return decodeLayout(*bytes);
}

// The sample goldens pin the whole chain from the bundled layout through
// compilation to CData.h. After a deliberate change to the sample or to
// compilation, review the differences and refresh them with
//   vexolume-cli export examples/sample.led -o tests/data/output/sample
TEST(ControllerFiles, SampleExportMatchesGoldens) {
    const auto layout = sampleLayout();
    ASSERT_TRUE(layout) << layout.error().describe();
    const auto files = buildControllerFiles(*layout, compileEffects(*layout));
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
    std::size_t entries = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(dir.path())) ++entries;
    EXPECT_EQ(entries, 3u);
}

TEST(ControllerFiles, OversizedTableIsReported) {
    LampLayout layout;
    CompiledEffects compiled;
    compiled.colorGroup.assign(102, UintList{1, 2, 3});
    const auto files = buildControllerFiles(layout, compiled);
    ASSERT_TRUE(files);
    ASSERT_EQ(files->refused.size(), 1u);
    EXPECT_EQ(files->refused[0].key, "SIMULATELIST_COLORTEXT_CETN");
}

}  // namespace
}  // namespace vx
