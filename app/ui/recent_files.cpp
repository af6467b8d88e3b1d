#include "app/ui/recent_files.h"

#include <algorithm>
#include <string>

#include "app/language/ini_text.h"
#include "platform/file_io.h"

namespace vx {
namespace {

constexpr std::string_view kSection = "Recent File List";

std::string keyFor(std::size_t i) { return "File" + std::to_string(i + 1); }

IniText readSettings(const std::filesystem::path& file) {
    auto bytes = readFileBytes(file);
    if (!bytes) return {};
    return IniText::parse(
        std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
}

}  // namespace

RecentFiles::RecentFiles(std::filesystem::path settingsFile)
    : settingsFile_(std::move(settingsFile)) {
    const IniText ini = readSettings(settingsFile_);
    for (std::size_t i = 0; i < kCapacity; ++i) {
        auto value = ini.value(kSection, keyFor(i));
        if (value && !value->empty()) files_.emplace_back(std::string(*value));
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
    IniText ini = readSettings(settingsFile_);
    for (std::size_t i = 0; i < kCapacity; ++i) {
        ini.set(kSection, keyFor(i), i < files_.size() ? files_[i].string() : std::string());
    }
    const std::string text = ini.text();
    (void)writeFileAtomically(settingsFile_, std::string_view(text));
}

}  // namespace vx
