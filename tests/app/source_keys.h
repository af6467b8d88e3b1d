#pragma once
// The string literals of the source tree that look like language keys but are
// not registered, each with the file that names it. Keys in comments do not
// count.

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "app/language/key_registry.h"

namespace vx::test {

inline std::set<std::string> unregisteredKeys(const std::vector<std::filesystem::path>& folders,
                                              const std::regex& keyLiteral) {
    std::set<std::string> unknown;
    for (const auto& folder : folders) {
        if (!std::filesystem::is_directory(folder)) continue;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
            const auto ext = entry.path().extension();
            if (ext != ".cpp" && ext != ".h") continue;
            std::ifstream in(entry.path());
            for (std::string line; std::getline(in, line);) {
                line = line.substr(0, line.find("//"));
                for (std::sregex_iterator it(line.begin(), line.end(), keyLiteral), end; it != end;
                     ++it) {
                    const std::string key = (*it)[1];
                    if (!isLanguageKey(key))
                        unknown.insert(key + " (" + entry.path().string() + ")");
                }
            }
        }
    }
    return unknown;
}

}  // namespace vx::test
