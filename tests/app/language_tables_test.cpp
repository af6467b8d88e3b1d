// Checks the language tables shipped in share/vexolume/Mullanguage against the
// key registry, and the registry against the error keys the code returns.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "app/language/key_registry.h"
#include "platform/language/language_table.h"
#include "platform/language/languages.h"
#include "tests/app/source_keys.h"
#include "tests/support/temp_folder.h"

namespace vx {
namespace {

const std::filesystem::path kSourceDir = VEXOLUME_SOURCE_DIR;
const std::filesystem::path kTableFolder = kSourceDir / "share" / "vexolume" / "Mullanguage";

bool isValidUtf8(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const std::size_t length = byte < 0x80           ? 1
                                   : (byte >> 5) == 0x6  ? 2
                                   : (byte >> 4) == 0xE  ? 3
                                   : (byte >> 3) == 0x1E ? 4
                                                         : 0;
        if (length == 0 || i + length > text.size()) return false;
        for (std::size_t k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0U) != 0x80U) return false;
        }
        i += length;
    }
    return true;
}

// The shortcut after the tab of a menu text, "" when there is none.
std::string shortcutOf(const std::string& text) {
    const auto tab = text.find("\\t");
    return tab == std::string::npos ? std::string() : text.substr(tab + 2);
}

TEST(LanguageTables, EveryLanguageHasItsTable) {
    EXPECT_EQ(languages().size(), 6u);
    for (const LanguageInfo& info : languages()) {
        EXPECT_TRUE(std::filesystem::is_regular_file(kTableFolder / info.fileName))
            << info.fileName;
    }
}

// A text a translation may keep as it stands: no word in it (numbers,
// shortcuts, symbols) or a file name.
bool keptInEveryLanguage(const std::string& text) {
    static const std::regex word("[A-Za-z]{2}");
    static const std::regex file(R"re(/|\.(htm|html|chm|ini|txt|h|hex|led)\b)re",
                                 std::regex::icase);
    return !std::regex_search(text, word) || std::regex_search(text, file);
}

TEST(LanguageTables, NoTranslationIsLargelyEnglish) {
    auto english = LanguageTable::load(kTableFolder / "English.ini");
    ASSERT_TRUE(english.ok());
    for (const LanguageInfo& info : languages()) {
        if (std::string(info.fileName) == "English.ini") continue;
        SCOPED_TRACE(std::string(info.fileName));
        auto table = LanguageTable::load(kTableFolder / info.fileName);
        ASSERT_TRUE(table.ok());
        std::size_t texts = 0;
        std::size_t asInEnglish = 0;
        for (const auto& key : languageKeys()) {
            const std::string text = english->DialogText(key);
            if (keptInEveryLanguage(text)) continue;
            ++texts;
            if (table->DialogText(key) == text) ++asInEnglish;
        }
        // Names like "DMX" or "OK" stay; the shipped tables keep under 5 %.
        EXPECT_LE(asInEnglish * 10, texts) << asInEnglish << " of " << texts << " as in English";
    }
}

TEST(LanguageTables, EveryTableHoldsExactlyTheRegisteredKeys) {
    const std::vector<std::string>& registered = languageKeys();
    for (const LanguageInfo& info : languages()) {
        SCOPED_TRACE(std::string(info.fileName));
        auto table = LanguageTable::load(kTableFolder / info.fileName);
        ASSERT_TRUE(table.ok());
        std::vector<std::string> keys = table->keys();
        std::sort(keys.begin(), keys.end());
        const auto repeated = std::adjacent_find(keys.begin(), keys.end());
        EXPECT_EQ(repeated, keys.end()) << "key given twice: " << *repeated;
        keys.erase(std::unique(keys.begin(), keys.end()), keys.end());

        std::vector<std::string> missing;
        std::set_difference(registered.begin(), registered.end(), keys.begin(), keys.end(),
                            std::back_inserter(missing));
        for (const auto& key : missing) ADD_FAILURE() << "missing key " << key;
        std::vector<std::string> unused;
        std::set_difference(keys.begin(), keys.end(), registered.begin(), registered.end(),
                            std::back_inserter(unused));
        for (const auto& key : unused) ADD_FAILURE() << "key nothing uses: " << key;

        for (const auto& key : registered) {
            EXPECT_FALSE(table->DialogText(key).empty()) << "empty text for " << key;
        }
    }
}

// The placeholders a text is filled in with ("%1", "%d"), in order.
std::vector<std::string> placeholdersOf(const std::string& text) {
    static const std::regex placeholder("%[0-9dsu]");
    std::vector<std::string> found;
    for (std::sregex_iterator it(text.begin(), text.end(), placeholder), end; it != end; ++it) {
        found.push_back(it->str());
    }
    std::sort(found.begin(), found.end());
    return found;
}

TEST(LanguageTables, TranslationsAreUtf8AndKeepShortcutsPlaceholdersAndFiles) {
    auto english = LanguageTable::load(kTableFolder / "English.ini");
    ASSERT_TRUE(english.ok());
    for (const LanguageInfo& info : languages()) {
        SCOPED_TRACE(std::string(info.fileName));
        EXPECT_TRUE(isValidUtf8(test::readText(kTableFolder / info.fileName)));
        auto table = LanguageTable::load(kTableFolder / info.fileName);
        ASSERT_TRUE(table.ok());
        for (const auto& key : languageKeys()) {
            const std::string text = table->DialogText(key);
            const std::string original = english->DialogText(key);
            EXPECT_EQ(shortcutOf(text), shortcutOf(original)) << "shortcut of " << key;
            EXPECT_EQ(placeholdersOf(text), placeholdersOf(original)) << "placeholders of " << key;
        }
        // Paths name files, which are the same whatever the language; the
        // help pages each table names exist.
        EXPECT_EQ(table->DialogText("STC_PATH"), english->DialogText("STC_PATH"));
        for (const char* key : {"HELP_PATH", "WHATNEW_PATH"}) {
            const auto page = kSourceDir / "share" / "vexolume" / table->DialogText(key);
            EXPECT_TRUE(std::filesystem::is_regular_file(page)) << key << ": " << page;
        }
    }
}

TEST(LanguageTables, RegistryHoldsEveryErrorKeyTheCodeReturns) {
    const std::regex errorKey(R"re("(ERR_[A-Z0-9_]+)")re");
    // The command-line tool prints the English detail and needs no table.
    std::vector<std::filesystem::path> folders;
    for (const char* top :
         {"base", "platform", "effects", "layout", "engine", "output", "programming", "app"}) {
        folders.push_back(kSourceDir / top);
    }
    const auto unregistered = test::unregisteredKeys(folders, errorKey);
    for (const auto& key : unregistered) ADD_FAILURE() << "error key not in the registry: " << key;
}

// Dialog captions show a backslash-n as it stands, so none may hold one.
TEST(LanguageTables, DialogTextsHoldNoLineBreakEscape) {
    for (const LanguageInfo& info : languages()) {
        SCOPED_TRACE(std::string(info.fileName));
        auto table = LanguageTable::load(kTableFolder / info.fileName);
        ASSERT_TRUE(table.ok());
        for (const auto& key : languageKeys()) {
            if (key.rfind("IDD", 0) != 0) continue;
            EXPECT_EQ(table->DialogText(key).find("\\n"), std::string::npos) << key;
        }
    }
}

}  // namespace
}  // namespace vx
