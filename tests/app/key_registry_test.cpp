#include "app/language/key_registry.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <string>

#include "app/language/dialog_keys.h"

namespace vx {
namespace {

TEST(DialogResources, EveryDialogThatAppliesTextsIsListedOnceWithDistinctControls) {
    const std::set<int> expected = {100,  103,  107,  108,  109,  111,  112, 132,
                                    173,  174,  175,  176,  177,  178,  209, 320,
                                    1010, 1332, 1340, 1341, 1342, 1345, 6023};
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
    EXPECT_EQ(listed, expected);
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
    std::set<std::string> unknown;
    for (const char* top : {"app", "layout", "effects", "engine", "output", "programming"}) {
        const auto folder = source / top / "ui";
        if (!std::filesystem::is_directory(folder)) continue;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
            const auto ext = entry.path().extension();
            if (ext != ".cpp" && ext != ".h") continue;
            std::ifstream in(entry.path());
            for (std::string line; std::getline(in, line);) {
                line = line.substr(0, line.find("//"));
                for (std::sregex_iterator it(line.begin(), line.end(), keyLiteral), end; it != end;
                     ++it) {
                    const std::string key = (*it)[1];
                    if (!isLanguageKey(key))
                        unknown.insert(key + " (" + entry.path().string() + ")");
                }
            }
        }
    }
    for (const auto& key : unknown) ADD_FAILURE() << "not a registered key: " << key;
}

}  // namespace
}  // namespace vx
