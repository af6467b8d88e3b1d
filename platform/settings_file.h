#pragma once
// The settings file "Setting.ini": what the program remembers between runs,
// one section per subject (the language, the programming tools, the recent
// files). A write re-reads the file and replaces it whole, so the sections
// kept by other parts of the program survive and a failed write leaves the
// old file as it was.

#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/result.h"
#include "platform/data_folder.h"

namespace vx {

inline constexpr std::string_view kSettingsFileName = "Setting.ini";

class SettingsFile {
public:
    using Entries = std::vector<std::pair<std::string, std::string>>;  // key, value

    // <data folder>/Mullanguage/Setting.ini when that folder is writable, else
    // Setting.ini in the user's config folder.
    static std::filesystem::path locate(const std::filesystem::path& dataFolder,
                                        const FolderEnvironment& env);

    explicit SettingsFile(std::filesystem::path file) : file_(std::move(file)) {}

    const std::filesystem::path& path() const { return file_; }

    // The value of `key` in `section`; empty when the file, the section or the
    // key is missing.
    std::string value(std::string_view section, std::string_view key) const;

    // Sets the keys of `section`, keeping every other line, and replaces the
    // file in one step; creates the file and its folder when missing.
    Status write(std::string_view section, const Entries& entries) const;

private:
    std::filesystem::path file_;
};

}  // namespace vx
