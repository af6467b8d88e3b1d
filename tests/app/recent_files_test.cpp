#include "app/ui/recent_files.h"

#include <gtest/gtest.h>

#include "tests/support/temp_folder.h"

namespace vx::test {
namespace {

std::vector<std::filesystem::path> full(std::initializer_list<const char*> names) {
    std::vector<std::filesystem::path> out;
    for (const char* n : names) {
        out.push_back(std::filesystem::weakly_canonical(std::filesystem::absolute(n)));
    }
    return out;
}

TEST(RecentFiles, KeepsTheFourNewestInTheSettingsFileBesideTheLanguage) {
    TempFolder folder;
    const auto settings = folder.write("Setting.ini", "[Setting]\nLanguage=German\n");
    {
        RecentFiles recent(settings);
        EXPECT_TRUE(recent.files().empty());
        for (const char* name : {"a.led", "b.led", "c.led", "d.led", "e.led"}) recent.add(name);
        // Again, however spelt: moves to the front, no duplicate.
        recent.add("./c.led");
        recent.add(std::filesystem::absolute("c.led"));
        recent.add("sub/../c.led");
        EXPECT_EQ(recent.files(), full({"c.led", "e.led", "d.led", "b.led"}));
    }
    RecentFiles reread(settings);
    EXPECT_EQ(reread.files(), full({"c.led", "e.led", "d.led", "b.led"}));
    reread.remove("e.led");
    EXPECT_EQ(RecentFiles(settings).files(), full({"c.led", "d.led", "b.led"}));
    EXPECT_NE(readText(settings).find("Language=German"), std::string::npos);
}

TEST(RecentFiles, AnUnwritableSettingsFileKeepsTheListInMemory) {
    TempFolder folder;
    const auto plainFile = folder.write("plain-file", "");
    RecentFiles recent(plainFile / "Setting.ini");  // its folder cannot be made
    recent.add("a.led");
    EXPECT_EQ(recent.files().size(), 1u);
}

}  // namespace
}  // namespace vx::test
