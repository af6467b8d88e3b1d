#pragma once
// A language table of the bundled data folder, by its language ("German").

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/language/language_table.h"

namespace vx::test {

inline LanguageTable bundledTable(const std::string& language = "English") {
    auto table = LanguageTable::load(std::filesystem::path(VEXOLUME_SOURCE_DIR) /
                                     "share/vexolume/Mullanguage" / (language + ".ini"));
    EXPECT_TRUE(table.ok()) << language;
    return table.ok() ? *table : LanguageTable{};
}

}  // namespace vx::test
