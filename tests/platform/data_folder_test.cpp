#include "platform/data_folder.h"

#include <gtest/gtest.h>

#include "tests/support/temp_folder.h"

namespace vx {
namespace {

TEST(DataFolder, HomeVariableWins) {
    test::TempFolder folder;
    folder.write("prefix/share/vexolume/Mullanguage/English.ini", "");
    FolderEnvironment env;
    env.vexolumeHome = "/somewhere/else";
    env.executableDir = folder.path() / "prefix" / "bin";
    EXPECT_EQ(findDataFolder(env), "/somewhere/else");
}

TEST(DataFolder, FoundBesideInstalledAndBuildTreePrograms) {
    test::TempFolder folder;
    folder.write("prefix/share/vexolume/Mullanguage/English.ini", "");
    FolderEnvironment env;
    env.executableDir = folder.path() / "prefix" / "bin";
    EXPECT_EQ(findDataFolder(env), folder.path() / "prefix" / "share" / "vexolume");

    // Build tree: the copy sits at the top of the build folder, programs lie deeper.
    folder.write("build/share/vexolume/Mullanguage/English.ini", "");
    env.executableDir = folder.path() / "build" / "app" / "ui";
    EXPECT_EQ(findDataFolder(env), folder.path() / "build" / "share" / "vexolume");

    // Nothing found: the installed location is named all the same.
    env.executableDir = folder.path() / "empty" / "bin";
    EXPECT_EQ(findDataFolder(env), folder.path() / "empty" / "share" / "vexolume");
}

TEST(DataFolder, UserConfigFolderFollowsXdg) {
    FolderEnvironment env;
    EXPECT_TRUE(userConfigFolder(env).empty());
    env.home = "/home/ann";
    EXPECT_EQ(userConfigFolder(env), "/home/ann/.config/vexolume");
    env.xdgConfigHome = "/cfg";
    EXPECT_EQ(userConfigFolder(env), "/cfg/vexolume");
}

}  // namespace
}  // namespace vx
