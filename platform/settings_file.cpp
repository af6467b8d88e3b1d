#include "platform/settings_file.h"

#include <system_error>

#include "platform/file_io.h"
#include "platform/ini_text.h"

namespace vx {
namespace {

IniText readIni(const std::filesystem::path& file) {
    auto bytes = readFileBytes(file);
    if (!bytes) return {};
    return IniText::parse(
        std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
}

}  // namespace

std::filesystem::path SettingsFile::locate(const std::filesystem::path& dataFolder,
                                           const FolderEnvironment& env) {
    const auto languageFolder = dataFolder / "Mullanguage";
    if (isWritableFolder(languageFolder)) return languageFolder / kSettingsFileName;
    const auto config = userConfigFolder(env);
    return (config.empty() ? languageFolder : config) / kSettingsFileName;
}

std::string SettingsFile::value(std::string_view section, std::string_view key) const {
    const IniText ini = readIni(file_);
    const auto found = ini.value(section, key);
    return found ? std::string(*found) : std::string();
}

Status SettingsFile::write(std::string_view section, const Entries& entries) const {
    IniText ini = readIni(file_);
    for (const auto& [key, value] : entries) ini.set(section, key, value);
    if (file_.has_parent_path()) {
        std::error_code ec;
        std::filesystem::create_directories(file_.parent_path(), ec);
        if (ec) {
            return Error{"ERR_FILE_SAVE", "cannot create the folder " +
                                              file_.parent_path().string() + ": " + ec.message()};
        }
    }
    return writeFileAtomically(file_, ini.text());
}

}  // namespace vx
