#pragma once
// A working folder and a tool folder side by side for the firmware build
// tests, and the message keys a build reported.

#include <filesystem>
#include <string>
#include <vector>

#include "output/firmware/firmware_build.h"
#include "tests/support/test_files.h"

namespace vx::test {

struct FirmwareFolders {
    explicit FirmwareFolders(const std::string& tag)
        : root(tag), work(root.path() / "work"), tools(root.path() / "tools") {
        std::filesystem::create_directories(work);
        std::filesystem::create_directories(tools);
    }
    FirmwareBuildOptions options(const std::string& format = "1",
                                 const std::string& documentName = "sample.led") const {
        FirmwareBuildOptions o;
        o.format = format;
        o.workFolder = work;
        o.toolFolder = tools;
        o.documentName = documentName;
        o.pollCount = 3;
        return o;
    }
    TempFolder root;
    std::filesystem::path work;
    std::filesystem::path tools;
};

inline std::vector<std::string> messageKeys(const FirmwareBuildResult& result) {
    std::vector<std::string> k;
    for (const auto& m : result.messages) k.push_back(m.key);
    return k;
}

}  // namespace vx::test
