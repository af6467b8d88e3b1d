#pragma once
// A working folder and a tool folder side by side for the firmware build
// tests, and the message keys a build reported.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
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

// A toolchain of shell scripts in folder/bin: `sdcc` runs `sdccBody`,
// packihx prints a small image and makebin writes a binary (its last
// argument).
inline std::filesystem::path standInToolchain(const std::filesystem::path& folder,
                                              const std::string& sdccBody) {
    const auto bin = folder / "bin";
    std::filesystem::create_directories(bin);
    const std::pair<const char*, std::string> tools[] = {
        {"sdcc", "#!/bin/sh\n" + sdccBody},
        {"packihx", "#!/bin/sh\nprintf ':03000000020000FB\\n:00000001FF\\n'\n"},
        {"makebin", "#!/bin/sh\nfor arg; do out=$arg; done\nprintf 'BIN' > \"$out\"\n"}};
    for (const auto& [name, body] : tools) {
        EXPECT_TRUE(writeFileAtomically(bin / name, body));
        std::filesystem::permissions(bin / name, std::filesystem::perms::owner_all);
    }
    return bin;
}

inline std::vector<std::string> messageKeys(const FirmwareBuildResult& result) {
    std::vector<std::string> k;
    for (const auto& m : result.messages) k.push_back(m.key);
    return k;
}

}  // namespace vx::test
