#include "app/ui/recent_files.h"

#include <algorithm>
#include <string>

namespace vx {
namespace {

constexpr std::string_view kSection = "Recent File List";

std::string keyFor(std::size_t i) { return "File" + std::to_string(i + 1); }

// One spelling per file, whichever way it was named: "examples/x.led",
// "./examples/x.led" and its absolute path are one entry.
std::filesystem::path normalised(const std::filesystem::path& file) {
    std::error_code ec;
    auto full = std::filesystem::weakly_canonical(std::filesystem::absolute(file, ec), ec);
    return ec ? file.lexically_normal() : full;
}

}  // namespace

RecentFiles::RecentFiles(std::filesystem::path settingsFile) : settings_(std::move(settingsFile)) {
    for (std::size_t i = 0; i < kCapacity; ++i) {
        const std::string value = settings_.value(kSection, keyFor(i));
        if (value.empty()) continue;
        const auto file = normalised(value);
        if (std::find(files_.begin(), files_.end(), file) == files_.end()) files_.push_back(file);
    }
}

void RecentFiles::add(const std::filesystem::path& named) {
    const auto file = normalised(named);
    std::erase(files_, file);
    files_.insert(files_.begin(), file);
    if (files_.size() > kCapacity) files_.resize(kCapacity);
    store();
}

void RecentFiles::remove(const std::filesystem::path& file) {
    std::erase(files_, normalised(file));
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
