#include "app/language/key_registry.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "platform/language/dialog_keys.h"
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
    EXPECT_EQ(findDialogResource(99), nullptr);
    EXPECT_EQ(resourceCaption(176, 9999), "");
    EXPECT_EQ(resourceTitle(99), "");
}

// Every string literal in the desktop code that has the form of a language
// key must be a registered key, so a misspelt key fails here rather than
// showing an empty text.
TEST(KeyRegistry, HoldsEveryKeyTheDesktopCodeNames) {
    const std::filesystem::path source = VEXOLUME_SOURCE_DIR;
    const std::regex keyLiteral(
        R"re("((?:ID_|IDD[0-9_])[A-Za-z0-9_]+|[A-Z0-9]+_ON[A-Z0-9]+_[A-Z]+|CSelPRG_[A-Z0-9_]+)")re");
    std::vector<std::filesystem::path> folders;
    for (const char* top : {"platform", "layout", "engine", "output", "programming", "app"}) {
        folders.push_back(source / top / "ui");
    }
    const auto unknown = test::unregisteredKeys(folders, keyLiteral);
    for (const auto& key : unknown) ADD_FAILURE() << "not a registered key: " << key;
}

}  // namespace
}  // namespace vx
