#pragma once
// Interning into a compiled table with a hash index. The result is the same
// as vx::internList (the first equal entry wins, otherwise the list is
// appended), without comparing against every entry.

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "effects/mode.h"

namespace vx {

class InternTable {
public:
    // Indexes the entries the table already holds (the designer's lists).
    explicit InternTable(std::vector<UintList>& table);

    std::int32_t intern(UintList list);

private:
    static std::uint64_t hashOf(const UintList& list);

    std::vector<UintList>& table_;
    // Entry indices by hash, in ascending order so the first match wins.
    std::unordered_map<std::uint64_t, std::vector<std::int32_t>> byHash_;
};

}  // namespace vx
