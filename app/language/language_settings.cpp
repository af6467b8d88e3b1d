#include "app/language/language_settings.h"

#include <system_error>

#include "app/language/ini_text.h"
#include "platform/file_io.h"

namespace vx {
namespace {

constexpr std::string_view kSection = "Setting";
constexpr std::string_view kKey = "Language";

IniText readSettings(const std::filesystem::path& settingsFile) {
    auto bytes = readFileBytes(settingsFile);
    if (!bytes) return {};
    return IniText::parse(
        std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
}

}  // namespace

std::filesystem::path settingsFilePath(const std::filesystem::path& dataFolder,
                                       const FolderEnvironment& env) {
    const auto languageFolder = dataFolder / "Mullanguage";
    if (isWritableFolder(languageFolder)) return languageFolder / kSettingsFileName;
    const auto config = userConfigFolder(env);
    return (config.empty() ? languageFolder : config) / kSettingsFileName;
}

std::string readLanguageSetting(const std::filesystem::path& settingsFile) {
    const IniText settings = readSettings(settingsFile);
    const auto value = settings.value(kSection, kKey);
    if (!value || value->empty()) return std::string(kDefaultLanguageSetting);
    return std::string(*value);
}

Status writeLanguageSetting(const std::filesystem::path& settingsFile, std::string_view value) {
    IniText settings = readSettings(settingsFile);
    settings.set(kSection, kKey, value);
    std::error_code ec;
    if (settingsFile.has_parent_path()) {
        std::filesystem::create_directories(settingsFile.parent_path(), ec);
        if (ec) {
            return Error{"ERR_FILE_SAVE", "cannot create the folder " +
                                              settingsFile.parent_path().string() + ": " +
                                              ec.message()};
        }
    }
    return writeFileAtomically(settingsFile, settings.text());
}

}  // namespace vx
