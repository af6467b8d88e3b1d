#pragma once
// Where the programming tools are: section "Programmer" of Setting.ini, keys
// "NoraA" and "NoraB" (command lines with "{image}" and "{port}") and "Port"
// (the serial port). A missing or empty key keeps the default; "NoraB"
// defaults to the program named by the language table's "STC_PATH".

#include <filesystem>
#include <string>

#include "base/result.h"
#include "platform/language/language_table.h"
#include "programming/programmer_launch.h"

namespace vx {

inline constexpr std::string_view kProgrammerSection = "Programmer";

ProgrammerSettings readProgrammerSettings(const std::filesystem::path& settingsFile,
                                          const std::filesystem::path& toolFolder,
                                          const LanguageTable& table);

// Stores the two command lines and the port, keeping everything else in the
// file. An empty NORA-B line is stored empty, so "STC_PATH" keeps counting.
Status writeProgrammerSettings(const std::filesystem::path& settingsFile,
                               const ProgrammerSettings& settings);

}  // namespace vx
