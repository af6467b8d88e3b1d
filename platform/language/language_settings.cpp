#include "platform/language/language_settings.h"

#include "platform/settings_file.h"

namespace vx {
namespace {

constexpr std::string_view kSection = "Setting";
constexpr std::string_view kKey = "Language";

}  // namespace

std::string readLanguageSetting(const std::filesystem::path& settingsFile) {
    std::string value = SettingsFile(settingsFile).value(kSection, kKey);
    return value.empty() ? std::string(kDefaultLanguageSetting) : value;
}

Status writeLanguageSetting(const std::filesystem::path& settingsFile, std::string_view value) {
    return SettingsFile(settingsFile).write(kSection, {{std::string(kKey), std::string(value)}});
}

}  // namespace vx
