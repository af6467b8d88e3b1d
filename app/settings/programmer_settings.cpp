#include "app/settings/programmer_settings.h"

#include <system_error>

#include "app/language/ini_text.h"
#include "platform/file_io.h"

namespace vx {
namespace {

IniText readIni(const std::filesystem::path& file) {
    auto bytes = readFileBytes(file);
    if (!bytes) return {};
    return IniText::parse(
        std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
}

void take(const IniText& ini, std::string_view key, std::string& into) {
    const auto value = ini.value(kProgrammerSection, key);
    if (value && !value->empty()) into = std::string(*value);
}

}  // namespace

ProgrammerSettings readProgrammerSettings(const std::filesystem::path& settingsFile,
                                          const std::filesystem::path& toolFolder,
                                          const LanguageTable& table) {
    ProgrammerSettings settings;
    settings.toolFolder = toolFolder;
    settings.stcPath = table.LookUpText(kStcPathKey);
    const IniText ini = readIni(settingsFile);
    take(ini, "NoraA", settings.noraACommand);
    take(ini, "NoraB", settings.noraBCommand);
    take(ini, "Port", settings.port);
    return settings;
}

Status writeProgrammerSettings(const std::filesystem::path& settingsFile,
                               const ProgrammerSettings& settings) {
    IniText ini = readIni(settingsFile);
    ini.set(kProgrammerSection, "NoraA", settings.noraACommand);
    ini.set(kProgrammerSection, "NoraB", settings.noraBCommand);
    ini.set(kProgrammerSection, "Port", settings.port);
    std::error_code ec;
    if (settingsFile.has_parent_path()) {
        std::filesystem::create_directories(settingsFile.parent_path(), ec);
        if (ec) {
            return Error{"ERR_FILE_SAVE", "cannot create the folder " +
                                              settingsFile.parent_path().string() + ": " +
                                              ec.message()};
        }
    }
    return writeFileAtomically(settingsFile, ini.text());
}

}  // namespace vx
