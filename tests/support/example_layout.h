#pragma once
// A layout bundled in examples/, read as the program reads it.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "layout/layout_json.h"

namespace vx::test {

inline LampLayout exampleLayout(const std::string& name = "sample") {
    auto layout =
        readLayoutFile(std::filesystem::path(VEXOLUME_SOURCE_DIR) / "examples" / (name + ".led"));
    EXPECT_TRUE(layout.ok()) << layout.error().describe();
    return layout.ok() ? *layout : LampLayout{};
}

// The wired lamps' numbers in the order the DMX line carries them: port 1
// from the start of its chain, then port 2 ...
inline std::vector<std::size_t> lineOrder(const LampLayout& layout) {
    std::vector<const Lamp*> wired;
    for (const auto& lamp : layout.lamps) {
        if (lamp.port > 0) wired.push_back(&lamp);
    }
    std::ranges::stable_sort(wired, [](const Lamp* a, const Lamp* b) {
        return std::pair(a->port, a->portOrder) < std::pair(b->port, b->portOrder);
    });
    std::vector<std::size_t> chain;
    for (const Lamp* lamp : wired) chain.push_back(static_cast<std::size_t>(lamp->number));
    return chain;
}

}  // namespace vx::test
