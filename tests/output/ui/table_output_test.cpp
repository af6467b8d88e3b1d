// Output CSTGRP.h and Output GETPTN.c: the file asked for gets the tables,
// cancelling writes nothing, and failures reach the user as messages.

#include "output/ui/table_output.h"

#include <gtest/gtest.h>

#include "layout/layout_file.h"
#include "output/tables/cluster_tables.h"
#include "tests/output/oversized_layout.h"
#include "tests/support/example_layout.h"
#include "tests/support/qt_app.h"
#include "tests/support/test_files.h"

namespace vx {
namespace {

namespace fs = std::filesystem;

struct FakeUi {
    QString answer;
    QString suggested;
    QString filter;
    std::vector<std::string> shown;
    TableOutputUi ui() {
        return {[this](const QString& s, const QString& f) {
                    suggested = s;
                    filter = f;
                    return answer;
                },
                [this](const std::vector<Error>& messages) {
                    for (const auto& m : messages) shown.push_back(m.key);
                }};
    }
};

TEST(TableOutput, WritesTheChosenFilesOfTheSample) {
    test::qtApplication();
    test::ScratchDir dir("table-output");
    FakeUi fake;
    fake.answer = QString::fromStdString((dir.path() / "tables.h").string());
    EXPECT_EQ(outputClusterTables(test::exampleLayout(), fake.ui()), dir.path() / "tables.h");
    EXPECT_EQ(fake.suggested, "CSTGRP.h");
    EXPECT_EQ(fake.filter, "Text Files(*.h);;All Files(*.*)");
    EXPECT_EQ(test::fileText(dir.path() / "tables.h"), test::golden("sample/CSTGRP.h"));

    fake.answer = QString::fromStdString((dir.path() / "GETPTN.c").string());
    EXPECT_EQ(outputAccessors(test::exampleLayout(), fake.ui()), dir.path() / "GETPTN.c");
    EXPECT_EQ(fake.suggested, "GETPTN.c");
    EXPECT_EQ(fake.filter, "Text Files(*.c);;All Files(*.*)");
    EXPECT_EQ(test::fileText(dir.path() / "GETPTN.c"), test::golden("sample/GETPTN.c"));
    EXPECT_TRUE(fake.shown.empty());
}

TEST(TableOutput, CancelWritesNothingAndFailuresAreShown) {
    test::qtApplication();
    test::ScratchDir dir("table-output-fail");
    FakeUi fake;
    EXPECT_TRUE(outputClusterTables(test::exampleLayout(), fake.ui()).empty());
    EXPECT_TRUE(fs::is_empty(dir.path()));
    EXPECT_TRUE(fake.shown.empty());

    fs::create_directories(dir.path() / "taken.h" / "x");
    fake.answer = QString::fromStdString((dir.path() / "taken.h").string());
    EXPECT_TRUE(outputAccessors(test::exampleLayout(), fake.ui()).empty());
    EXPECT_EQ(fake.shown, std::vector<std::string>{"ERR_FILE_SAVE"});

    // Too many colour groups: the file is written without them, with the message.
    fake.shown.clear();
    fake.answer = QString::fromStdString((dir.path() / "CSTGRP.h").string());
    EXPECT_FALSE(outputClusterTables(test::tooColorfulLayout(), fake.ui()).empty());
    EXPECT_EQ(fake.shown, std::vector<std::string>{kColorGroupsRefusedKey});
    const std::string text = test::fileText(dir.path() / "CSTGRP.h");
    EXPECT_NE(text.find("CstGroup0[]"), std::string::npos);
    EXPECT_EQ(text.find("Color_Group"), std::string::npos);
}

}  // namespace
}  // namespace vx
