#pragma once
// The language remembered in the settings file: section "Setting", key
// "Language", whose value names the language table used at the next start.

#include <filesystem>
#include <string>
#include <string_view>

#include "base/result.h"

namespace vx {

inline constexpr std::string_view kDefaultLanguageSetting = "English";

// The "Language" value; "English" when the file or the key is missing or the
// value is empty.
std::string readLanguageSetting(const std::filesystem::path& settingsFile);

// Stores the value, keeping everything else in the file; creates the file and
// its folder when missing.
Status writeLanguageSetting(const std::filesystem::path& settingsFile, std::string_view value);

}  // namespace vx
