#pragma once
// The four most recently opened or saved layout files, newest first, kept in
// section "Recent File List" of the settings file.

#include <filesystem>
#include <vector>

#include "platform/settings_file.h"

namespace vx {

class RecentFiles {
public:
    static constexpr std::size_t kCapacity = 4;

    explicit RecentFiles(std::filesystem::path settingsFile);

    const std::vector<std::filesystem::path>& files() const { return files_; }
    // Moves `file` to the front, dropping the oldest beyond four, and stores
    // the list. A settings file that cannot be written keeps the list in
    // memory only.
    void add(const std::filesystem::path& file);
    void remove(const std::filesystem::path& file);

private:
    void store() const;

    SettingsFile settings_;
    std::vector<std::filesystem::path> files_;
};

}  // namespace vx
