#include "app/language/key_registry.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "app/language/dialog_keys.h"
#include "tests/app/source_keys.h"

namespace vx {
namespace {

TEST(DialogResources, EveryDialogThatAppliesTextsIsListedOnceWithDistinctControls) {
    std::set<int> listed;
    for (const DialogResource& dialog : dialogResources()) {
        SCOPED_TRACE(dialog.dialog);
        EXPECT_TRUE(listed.insert(dialog.dialog).second) << "listed twice";
        EXPECT_FALSE(dialog.title.empty());
        std::set<int> controls;
        for (const DialogControl& control : dialog.controls) {
            EXPECT_TRUE(controls.insert(control.control).second) << "control " << control.control;
            EXPECT_FALSE(control.caption.empty()) << "control " << control.control;
            EXPECT_TRUE(isLanguageKey(dialogControlKey(dialog.dialog, control.control)));
        }
        EXPECT_TRUE(isLanguageKey(dialogTitleKey(dialog.dialog)));
    }
    ASSERT_NE(findDialogResource(176), nullptr);
    EXPECT_EQ(findDialogResource(176)->title, "Port Edit");
    EXPECT_EQ(findDialogResource(99), nullptr);
    EXPECT_EQ(resourceTitle(1010), "Create BIN File");
    EXPECT_EQ(resourceCaption(176, 1312), "delete");
    EXPECT_EQ(resourceCaption(176, 9999), "");
    EXPECT_EQ(resourceTitle(99), "");
}

TEST(KeyRegistry, HoldsTheNumberedFamiliesWhole) {
    EXPECT_TRUE(isLanguageKey("ID_PRG_0"));
    EXPECT_TRUE(isLanguageKey("ID_PRG_31"));
    EXPECT_FALSE(isLanguageKey("ID_PRG_32"));
    EXPECT_TRUE(isLanguageKey("ID_MSG_PAGE3_MODE_INFO1"));
    EXPECT_TRUE(isLanguageKey("ID_MSG_PAGE3_MODE_INFO70"));
    EXPECT_FALSE(isLanguageKey("ID_MSG_PAGE3_MODE_INFO0"));
    EXPECT_FALSE(isLanguageKey("ID_MSG_PAGE3_MODE_INFO71"));
    EXPECT_TRUE(isLanguageKey("ID_MSG_CMODEEDIT_STYLE13"));
    EXPECT_FALSE(isLanguageKey("ID_MSG_CMODEEDIT_STYLE14"));
    for (int control = 1030; control <= 1053; ++control) {
        EXPECT_TRUE(isLanguageKey(dialogControlKey(112, control))) << control;
    }
    EXPECT_FALSE(isLanguageKey("id_file_open"));  // keys are matched exactly
}

// Every string literal in the desktop code that has the form of a language
// key must be a registered key, so a misspelt key fails here rather than
// showing an empty text.
TEST(KeyRegistry, HoldsEveryKeyTheDesktopCodeNames) {
    const std::filesystem::path source = VEXOLUME_SOURCE_DIR;
    const std::regex keyLiteral(
        R"re("((?:ID_|IDD[0-9_])[A-Za-z0-9_]+|[A-Z0-9]+_ON[A-Z0-9]+_[A-Z]+|CSelPRG_[A-Z0-9_]+)")re");
    std::vector<std::filesystem::path> folders;
    for (const char* top : {"app", "layout", "effects", "engine", "output", "programming"}) {
        folders.push_back(source / top / "ui");
    }
    const auto unknown = test::unregisteredKeys(folders, keyLiteral);
    for (const auto& key : unknown) ADD_FAILURE() << "not a registered key: " << key;
}

}  // namespace
}  // namespace vx
