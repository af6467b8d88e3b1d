#pragma once
// The six languages the program can show, their table files, the values the
// settings file stores for them and the View > Language commands.

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

namespace vx {

// The fixed English text shown when the chosen table is missing at start-up;
// there is no table to take it from.
inline constexpr std::string_view kMissingLanguageFileMessage = "Can not find language file!";

// In the order in which the table files are tested at start-up.
enum class Language { Chinese, CTChinese, English, French, German, Italy };
inline constexpr std::size_t kLanguageCount = 6;

struct LanguageInfo {
    Language language;
    std::string_view fileName;       // "Chinese.ini", in the Mullanguage folder
    std::string_view settingsValue;  // value of key "Language" in Setting.ini
    int commandId;                   // View > Language entry
    std::string_view menuKey;        // its text key; empty when it has none
};

// All six, in the order of Language.
std::span<const LanguageInfo> languages();
const LanguageInfo& languageInfo(Language language);
std::size_t languageIndex(Language language);

std::optional<Language> languageForCommand(int commandId);
std::optional<Language> languageForSettingsValue(std::string_view value);

}  // namespace vx
