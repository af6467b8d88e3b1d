// Files replaced whole: the old file survives every failure, keeps its
// permissions, and a symbolic link stays a link to the replaced file.

#include "platform/file_replacement.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/file_io.h"
#include "tests/support/temp_folder.h"

namespace vx {
namespace {

namespace fs = std::filesystem;

unsigned modeOf(const fs::path& path) {
    struct stat info {};
    EXPECT_EQ(::lstat(path.c_str(), &info), 0) << path;
    return info.st_mode & 07777u;
}

TEST(FileReplacement, KeepsTheOldPermissionsAndCreatesNewFilesAsUsual) {
    test::TempFolder dir;
    const auto readOnly = dir.write("show.json", "old");
    ::chmod(readOnly.c_str(), 0444);
    const auto script = dir.write("run.sh", "old");
    ::chmod(script.c_str(), 0750);
    ASSERT_TRUE(writeFileAtomically(readOnly, std::string_view("new")));
    ASSERT_TRUE(writeFileAtomically(script, std::string_view("#!/bin/sh\n")));
    EXPECT_EQ(test::readText(readOnly), "new");
    EXPECT_EQ(modeOf(readOnly), 0444u);
    EXPECT_EQ(modeOf(script), 0750u);

    const mode_t mask = ::umask(027);
    ASSERT_TRUE(writeFileAtomically(dir.path() / "fresh.led", std::string_view("x")));
    ::umask(mask);
    EXPECT_EQ(modeOf(dir.path() / "fresh.led"), 0640u);
    EXPECT_EQ(test::fileNames(dir.path()).size(), 3u);  // no temporary file left beside them
}

TEST(FileReplacement, FollowsLinksAndReplacesTheFileTheyName) {
    test::TempFolder dir;
    const auto target = dir.write("data/show.led", "old");
    fs::create_symlink("data/show.led", dir.path() / "link1");
    fs::create_symlink(dir.path() / "link1", dir.path() / "link2");  // a chain, absolute
    ASSERT_TRUE(writeFileAtomically(dir.path() / "link2", std::string_view("new")));
    EXPECT_TRUE(fs::is_symlink(dir.path() / "link1"));
    EXPECT_TRUE(fs::is_symlink(dir.path() / "link2"));
    EXPECT_EQ(test::readText(target), "new");
    EXPECT_EQ(followLinks(dir.path() / "link2"), dir.path() / "data/show.led");

    // A dangling link gets its target created.
    fs::create_symlink("data/later.led", dir.path() / "dangling");
    ASSERT_TRUE(writeFileAtomically(dir.path() / "dangling", std::string_view("made")));
    EXPECT_TRUE(fs::is_symlink(dir.path() / "dangling"));
    EXPECT_EQ(test::readText(dir.path() / "data/later.led"), "made");
}

TEST(FileReplacement, AnUncommittedReplacementLeavesTheOldFileAndNoTemporaryFile) {
    test::TempFolder dir;
    const auto file = dir.write("picture.gif", "old picture");
    {
        auto replacement = FileReplacement::begin(file);
        ASSERT_TRUE(replacement.ok());
        EXPECT_EQ(replacement->tempPath().parent_path(), dir.path());
        dir.write(replacement->tempPath().filename(), "half a pictu");
        auto moved = std::move(*replacement);  // the temporary file moves with it
        EXPECT_TRUE(fs::exists(moved.tempPath()));
    }
    EXPECT_EQ(test::readText(file), "old picture");
    EXPECT_EQ(test::fileNames(dir.path()).size(), 1u);

    auto replacement = FileReplacement::begin(file);
    ASSERT_TRUE(replacement.ok());
    dir.write(replacement->tempPath().filename(), "new picture");
    ASSERT_TRUE(replacement->commit());
    EXPECT_EQ(test::readText(file), "new picture");
    EXPECT_EQ(test::fileNames(dir.path()).size(), 1u);

    fs::create_directories(dir.path() / "folder.gif");
    auto onFolder = FileReplacement::begin(dir.path() / "folder.gif");
    ASSERT_FALSE(onFolder.ok());
    EXPECT_EQ(onFolder.error().key, "ERR_FILE_SAVE");
    EXPECT_FALSE(FileReplacement::begin(dir.path() / "no/such/folder/x").ok());
    EXPECT_FALSE(FileReplacement::begin("/dev/null").ok());
}

}  // namespace
}  // namespace vx
