#pragma once
// Golden files under tests/data and the text of files a test wrote.

#include <filesystem>
#include <string>

#include "platform/file_io.h"
#include "tests/support/temp_folder.h"

namespace vx::test {

inline std::string fileText(const std::filesystem::path& path) {
    const auto bytes = readFileBytes(path);
    if (!bytes) return "<unreadable " + path.string() + ">";
    return std::string(bytes->begin(), bytes->end());
}

// `relative` names a file under tests/data, e.g. "layout/cport_example.h".
inline std::string dataText(const std::filesystem::path& relative) {
    const auto path = std::filesystem::path(VEXOLUME_TEST_DATA) / relative;
    if (!std::filesystem::exists(path)) return "<missing golden " + relative.string() + ">";
    return fileText(path);
}

// The output tests' goldens, under tests/data/output.
inline std::string golden(const std::string& name) { return dataText("output/" + name); }

using ScratchDir = TempFolder;

}  // namespace vx::test
