#pragma once
// The language the program shows: the table in use, the choice remembered in
// the settings file, and the enable and check state of the six entries of the
// View > Language menu. The application object owns one.

#include <array>
#include <filesystem>
#include <string>
#include <string_view>

#include "base/result.h"
#include "platform/language/language_table.h"
#include "platform/language/languages.h"

namespace vx {

class LanguageState {
public:
    // Start-up: the settings file names the language ("English" by default);
    // its table "<dataFolder>/Mullanguage/<value>.ini" must exist, else the
    // error "ERR_LANGUAGE_FILE_MISSING" whose detail is the fixed message
    // "Can not find language file!". Also notes which of the six tables exist.
    static Result<LanguageState> start(const std::filesystem::path& dataFolder,
                                       const std::filesystem::path& settingsFile);

    const LanguageTable& table() const { return table_; }
    std::string LookUpText(std::string_view key) const { return table_.LookUpText(key); }

    const std::filesystem::path& languageFile() const { return languageFile_; }
    // The table name chosen at start ("English.ini"); empty after a switch.
    const std::string& languageFileName() const { return languageFileName_; }

    // The table file existed at start.
    bool languageAvailable(Language language) const;
    bool isEnabled(Language language) const { return languageAvailable(language); }
    // Checked after a switch to it, or before any switch when it was chosen
    // at start.
    bool isChecked(Language language) const;

    // Loads the language's table and makes it current, then remembers the
    // choice in the settings file. When the table cannot be loaded nothing
    // changes and its error is returned. When only the settings file cannot
    // be written, the switch still happens and that error is returned.
    Status switchTo(Language language);

private:
    std::filesystem::path languageFolder_;
    std::filesystem::path settingsFile_;
    std::filesystem::path languageFile_;
    std::string languageFileName_;
    LanguageTable table_;
    std::array<bool, kLanguageCount> available_{};
    std::array<bool, kLanguageCount> checked_{};
};

}  // namespace vx
