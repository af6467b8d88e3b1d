#include "platform/language/language_state.h"

#include <system_error>

#include "platform/language/language_settings.h"

namespace vx {

Result<LanguageState> LanguageState::start(const std::filesystem::path& dataFolder,
                                           const std::filesystem::path& settingsFile) {
    LanguageState state;
    state.languageFolder_ = dataFolder / "Mullanguage";
    state.settingsFile_ = settingsFile;
    state.languageFileName_ = readLanguageSetting(settingsFile) + ".ini";
    state.languageFile_ = state.languageFolder_ / state.languageFileName_;
    auto table = LanguageTable::load(state.languageFile_);
    if (!table) return table.error();
    state.table_ = std::move(*table);
    std::error_code ec;
    for (const LanguageInfo& info : languages()) {
        state.available_[languageIndex(info.language)] =
            std::filesystem::is_regular_file(state.languageFolder_ / info.fileName, ec);
    }
    return state;
}

bool LanguageState::languageAvailable(Language language) const {
    return available_[languageIndex(language)];
}

bool LanguageState::isChecked(Language language) const {
    return checked_[languageIndex(language)] ||
           (!languageFileName_.empty() && languageFileName_ == languageInfo(language).fileName);
}

Status LanguageState::switchTo(Language language) {
    const LanguageInfo& info = languageInfo(language);
    const auto file = languageFolder_ / info.fileName;
    auto table = LanguageTable::load(file);
    if (!table) return table.error();
    table_ = std::move(*table);
    languageFile_ = file;
    checked_.fill(false);
    checked_[languageIndex(language)] = true;
    languageFileName_.clear();
    return writeLanguageSetting(settingsFile_, info.settingsValue);
}

}  // namespace vx
