#include "platform/language/language_state.h"

#include <gtest/gtest.h>

#include "platform/language/language_settings.h"
#include "tests/support/temp_folder.h"

namespace vx {
namespace {

// A data folder holding the English, Chinese and German tables only.
class LanguageStateTest : public ::testing::Test {
protected:
    LanguageStateTest() {
        folder.write("Mullanguage/English.ini", "[String]\nID_FILE=&File\n");
        folder.write("Mullanguage/Chinese.ini", "[String]\nID_FILE=文件(&F)\n");
        folder.write("Mullanguage/German.ini", "[String]\nID_FILE=&Datei\n");
    }
    std::filesystem::path settings() const { return folder.path() / "Mullanguage" / "Setting.ini"; }

    test::TempFolder folder;
};

TEST_F(LanguageStateTest, StartsInEnglishWithoutSettingsAndOffersTheTablesPresentThen) {
    auto state = LanguageState::start(folder.path(), settings());
    ASSERT_TRUE(state.ok()) << state.error().describe();
    EXPECT_EQ(state->languageFile(), folder.path() / "Mullanguage" / "English.ini");
    EXPECT_EQ(state->languageFileName(), "English.ini");
    EXPECT_EQ(state->LookUpText("ID_FILE"), "&File");
    EXPECT_TRUE(state->isChecked(Language::English));
    EXPECT_FALSE(state->isChecked(Language::German));

    EXPECT_TRUE(state->isEnabled(Language::English));
    EXPECT_TRUE(state->isEnabled(Language::Chinese));
    EXPECT_TRUE(state->isEnabled(Language::German));
    EXPECT_FALSE(state->isEnabled(Language::CTChinese));
    EXPECT_FALSE(state->isEnabled(Language::French));
    EXPECT_FALSE(state->isEnabled(Language::Italy));

    // Tested once: a table added later does not enable its entry.
    folder.write("Mullanguage/Italy.ini", "[String]\n");
    EXPECT_FALSE(state->languageAvailable(Language::Italy));

    // A settings file without the key reads the same.
    folder.write("Mullanguage/Setting.ini", "[Setting]\nOther=1\n");
    EXPECT_EQ(readLanguageSetting(settings()), "English");
}

TEST_F(LanguageStateTest, SwitchingChecksTheNewLanguageAndIsRemembered) {
    folder.write("Mullanguage/Setting.ini", "; kept\n[Setting]\nLanguage=Chinese\nZoom=16\n");
    auto state = LanguageState::start(folder.path(), settings());
    ASSERT_TRUE(state.ok());
    EXPECT_TRUE(state->isChecked(Language::Chinese));
    EXPECT_EQ(state->LookUpText("ID_FILE"), "文件(&F)");

    ASSERT_TRUE(state->switchTo(Language::German).ok());
    EXPECT_EQ(state->LookUpText("ID_FILE"), "&Datei");
    EXPECT_TRUE(state->isChecked(Language::German));
    EXPECT_FALSE(state->isChecked(Language::Chinese));
    EXPECT_FALSE(state->isChecked(Language::English));
    EXPECT_EQ(state->languageFileName(), "");
    EXPECT_EQ(test::readText(settings()), "; kept\n[Setting]\nLanguage=German\nZoom=16\n");
}

TEST_F(LanguageStateTest, SwitchingToAMissingTableChangesNothing) {
    auto state = LanguageState::start(folder.path(), settings());
    ASSERT_TRUE(state.ok());
    const Status switched = state->switchTo(Language::Italy);
    ASSERT_FALSE(switched.ok());
    EXPECT_EQ(switched.error().key, "ERR_LANGUAGE_FILE_MISSING");
    EXPECT_EQ(state->LookUpText("ID_FILE"), "&File");
    EXPECT_TRUE(state->isChecked(Language::English));
    EXPECT_FALSE(std::filesystem::exists(settings()));
}

}  // namespace
}  // namespace vx
