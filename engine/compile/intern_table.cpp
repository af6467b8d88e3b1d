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

// Four independent lanes, so that hashing a long list is not one chain of
// dependent multiplications.
std::uint64_t InternTable::hashOf(const UintList& list) {
    constexpr std::uint64_t kPrime = 0x100000001b3ull;
    std::uint64_t lane[4] = {0xcbf29ce484222325ull ^ list.size(), 0x84222325cbf29ce4ull,
                             0x9e3779b97f4a7c15ull, 0xc2b2ae3d27d4eb4full};
    const std::size_t n = list.size();
    std::size_t i = 0;
    for (; i + 4 <= n; i += 4) {
        for (std::size_t k = 0; k < 4; ++k) {
            lane[k] = (lane[k] ^ list[i + k]) * kPrime;
            lane[k] ^= lane[k] >> 29;
        }
    }
    for (; i < n; ++i) lane[0] = ((lane[0] ^ list[i]) * kPrime) ^ (lane[0] >> 29);
    std::uint64_t h = lane[0];
    for (std::size_t k = 1; k < 4; ++k) h = (h ^ lane[k]) * kPrime ^ (h >> 31);
    return h;
}

}  // namespace vx
