#include "platform/settings_file.h"

#include <gtest/gtest.h>

#include "tests/support/temp_folder.h"

namespace vx {
namespace {

TEST(SettingsFile, LivesInTheDataFolderWhenItCanBeWrittenElseInTheConfigFolder) {
    test::TempFolder folder;
    folder.write("data/Mullanguage/English.ini", "");
    FolderEnvironment env;
    env.xdgConfigHome = (folder.path() / "cfg").string();
    EXPECT_EQ(SettingsFile::locate(folder.path() / "data", env),
              folder.path() / "data" / "Mullanguage" / "Setting.ini");
    // No usable Mullanguage folder: the user's config folder takes the file,
    // created with its folder at the first write.
    const auto file = SettingsFile::locate(folder.path() / "nowhere", env);
    EXPECT_EQ(file, folder.path() / "cfg" / "vexolume" / "Setting.ini");
    ASSERT_TRUE(SettingsFile(file).write("Setting", {{"Language", "CTChinese"}}).ok());
    EXPECT_EQ(SettingsFile(file).value("Setting", "Language"), "CTChinese");
}

TEST(SettingsFile, WritesKeysOfOneSectionKeepingEveryOtherLine) {
    test::TempFolder folder;
    const auto path =
        folder.write("Setting.ini", "; kept\n[Setting]\nLanguage=German\n[Programmer]\nPort=x\n");
    const SettingsFile file(path);
    EXPECT_EQ(file.value("Programmer", "Port"), "x");
    EXPECT_EQ(file.value("Programmer", "NoraA"), "");  // missing key
    EXPECT_EQ(file.value("Nowhere", "Port"), "");      // missing section
    EXPECT_EQ(SettingsFile(folder.path() / "none.ini").value("Setting", "Language"), "");

    ASSERT_TRUE(file.write("Programmer", {{"NoraA", "fm {image}"}, {"Port", "/dev/ttyS1"}}).ok());
    ASSERT_TRUE(file.write("Recent File List", {{"File1", "a.led"}}).ok());
    EXPECT_EQ(test::readText(path),
              "; kept\n[Setting]\nLanguage=German\n[Programmer]\nPort=/dev/ttyS1\nNoraA=fm "
              "{image}\n[Recent File List]\nFile1=a.led\n");
}

TEST(SettingsFile, AFolderThatCannotBeMadeIsAnErrorAndWritesNothing) {
    test::TempFolder folder;
    const auto blocker = folder.write("plain-file", "");
    const Status status = SettingsFile(blocker / "Setting.ini").write("Setting", {{"A", "1"}});
    ASSERT_FALSE(status.ok());
    EXPECT_EQ(status.error().key, "ERR_FILE_SAVE");
    EXPECT_EQ(test::readText(blocker), "");
}

}  // namespace
}  // namespace vx
