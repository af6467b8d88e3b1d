#pragma once
// Helpers shared by the output tests: golden files and scratch folders.

#include <filesystem>
#include <string>

#include "platform/file_io.h"
#include "tests/support/temp_folder.h"

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

using ScratchDir = TempFolder;

}  // namespace vx::test
