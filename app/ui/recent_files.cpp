#include "app/ui/recent_files.h"

#include <algorithm>
#include <string>

namespace vx {
namespace {

constexpr std::string_view kSection = "Recent File List";

std::string keyFor(std::size_t i) { return "File" + std::to_string(i + 1); }

}  // namespace

RecentFiles::RecentFiles(std::filesystem::path settingsFile) : settings_(std::move(settingsFile)) {
    for (std::size_t i = 0; i < kCapacity; ++i) {
        std::string value = settings_.value(kSection, keyFor(i));
        if (!value.empty()) files_.emplace_back(std::move(value));
    }
}

void RecentFiles::add(const std::filesystem::path& file) {
    std::erase(files_, file);
    files_.insert(files_.begin(), file);
    if (files_.size() > kCapacity) files_.resize(kCapacity);
    store();
}

void RecentFiles::remove(const std::filesystem::path& file) {
    std::erase(files_, file);
    store();
}

void RecentFiles::store() const {
    SettingsFile::Entries entries;
    for (std::size_t i = 0; i < kCapacity; ++i) {
        entries.emplace_back(keyFor(i), i < files_.size() ? files_[i].string() : std::string());
    }
    (void)settings_.write(kSection, entries);
}

}  // namespace vx
