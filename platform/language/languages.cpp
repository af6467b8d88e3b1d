#include "platform/language/languages.h"

#include <array>

namespace vx {
namespace {

// French, German and Italian entries have no text key: their captions are
// written in their own language in every table's menu resource.
constexpr std::array<LanguageInfo, kLanguageCount> kLanguages{{
    {Language::Chinese, "Chinese.ini", "Chinese", 32917, "ID_VIEW_LAN_CHS"},
    {Language::CTChinese, "CTChinese.ini", "CTChinese", 32918, "ID_VIEW_LAN_CTS"},
    {Language::English, "English.ini", "English", 32916, "ID_VIEW_LAN_ENG"},
    {Language::French, "French.ini", "French", 31759, ""},
    {Language::German, "German.ini", "German", 31761, ""},
    {Language::Italy, "Italy.ini", "Italy", 31762, ""},
}};

}  // namespace

std::span<const LanguageInfo> languages() { return kLanguages; }

std::size_t languageIndex(Language language) { return static_cast<std::size_t>(language); }

const LanguageInfo& languageInfo(Language language) { return kLanguages[languageIndex(language)]; }

std::optional<Language> languageForCommand(int commandId) {
    for (const LanguageInfo& info : kLanguages) {
        if (info.commandId == commandId) return info.language;
    }
    return std::nullopt;
}

std::optional<Language> languageForSettingsValue(std::string_view value) {
    for (const LanguageInfo& info : kLanguages) {
        if (info.settingsValue == value) return info.language;
    }
    return std::nullopt;
}

}  // namespace vx
