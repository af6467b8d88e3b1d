#include "app/settings/programmer_settings.h"

#include "platform/settings_file.h"

namespace vx {
namespace {

void take(const SettingsFile& file, std::string_view key, std::string& into) {
    std::string value = file.value(kProgrammerSection, key);
    if (!value.empty()) into = std::move(value);
}

}  // namespace

ProgrammerSettings readProgrammerSettings(const std::filesystem::path& settingsFile,
                                          const std::filesystem::path& toolFolder,
                                          const LanguageTable& table) {
    ProgrammerSettings settings;
    settings.toolFolder = toolFolder;
    settings.stcPath = table.LookUpText(kStcPathKey);
    const SettingsFile file(settingsFile);
    take(file, "NoraA", settings.noraACommand);
    take(file, "NoraB", settings.noraBCommand);
    take(file, "Port", settings.port);
    return settings;
}

Status writeProgrammerSettings(const std::filesystem::path& settingsFile,
                               const ProgrammerSettings& settings) {
    return SettingsFile(settingsFile)
        .write(kProgrammerSection, {{"NoraA", settings.noraACommand},
                                    {"NoraB", settings.noraBCommand},
                                    {"Port", settings.port}});
}

}  // namespace vx
