#include "engine/compile/intern_table.h"

namespace vx {

InternTable::InternTable(std::vector<UintList>& table) : table_(table) {
    for (std::size_t i = 0; i < table_.size(); ++i) {
        byHash_[hashOf(table_[i])].push_back(static_cast<std::int32_t>(i));
    }
}

std::int32_t InternTable::intern(UintList list) {
    const std::uint64_t h = hashOf(list);
    auto& indices = byHash_[h];
    for (const std::int32_t i : indices) {
        if (table_[static_cast<std::size_t>(i)] == list) return i;
    }
    const auto index = static_cast<std::int32_t>(table_.size());
    table_.push_back(std::move(list));
    indices.push_back(index);
    return index;
}

std::uint64_t InternTable::hashOf(const UintList& list) {
    std::uint64_t h = 0xcbf29ce484222325ull ^ list.size();
    for (const std::uint32_t v : list) {
        h ^= v;
        h *= 0x100000001b3ull;
        h ^= h >> 29;
    }
    return h;
}

}  // namespace vx
