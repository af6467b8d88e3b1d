#pragma once
// Helpers shared by the output tests: golden files and scratch folders.

#include <unistd.h>

#include <filesystem>
#include <string>

#include "platform/file_io.h"

namespace vx::test {

inline std::string golden(const std::string& name) {
    const auto bytes = readFileBytes(std::filesystem::path(VEXOLUME_TEST_DATA) / "output" / name);
    if (!bytes) return "<missing golden " + name + ">";
    return std::string(bytes->begin(), bytes->end());
}

inline std::string fileText(const std::filesystem::path& path) {
    const auto bytes = readFileBytes(path);
    if (!bytes) return "<unreadable " + path.string() + ">";
    return std::string(bytes->begin(), bytes->end());
}

class ScratchDir {
public:
    explicit ScratchDir(const std::string& tag)
        : path_(std::filesystem::temp_directory_path() /
                ("vx-out-" + tag + "-" + std::to_string(::getpid()))) {
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~ScratchDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

}  // namespace vx::test
