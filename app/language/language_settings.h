#pragma once
// The settings file "Setting.ini": section "Setting", key "Language", whose
// value names the language table used at the next start.

#include <filesystem>
#include <string>
#include <string_view>

#include "base/result.h"
#include "platform/data_folder.h"

namespace vx {

inline constexpr std::string_view kSettingsFileName = "Setting.ini";
inline constexpr std::string_view kDefaultLanguageSetting = "English";

// <data folder>/Mullanguage/Setting.ini when that folder is writable, else
// Setting.ini in the user's config folder.
std::filesystem::path settingsFilePath(const std::filesystem::path& dataFolder,
                                       const FolderEnvironment& env);

// The "Language" value; "English" when the file or the key is missing or the
// value is empty.
std::string readLanguageSetting(const std::filesystem::path& settingsFile);

// Stores the value, keeping everything else in the file; creates the file and
// its folder when missing.
Status writeLanguageSetting(const std::filesystem::path& settingsFile, std::string_view value);

}  // namespace vx
