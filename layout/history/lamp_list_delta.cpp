#include "layout/history/lamp_list_delta.h"

namespace vx {

LampListDelta LampListDelta::between(const std::vector<Lamp>& before,
                                     const std::vector<Lamp>& after,
                                     std::span<const std::size_t> removed,
                                     std::span<const std::size_t> inserted) {
    LampListDelta delta;
    for (const std::size_t i : removed) delta.removed_.emplace_back(i, before[i]);
    delta.inserted_.assign(inserted.begin(), inserted.end());
    // The lamps that stayed keep their order; walk both lists side by side.
    std::size_t b = 0;
    std::size_t a = 0;
    std::size_t r = 0;
    std::size_t n = 0;
    while (b < before.size() && a < after.size()) {
        if (r < removed.size() && removed[r] == b) {
            ++r;
            ++b;
            continue;
        }
        if (n < inserted.size() && inserted[n] == a) {
            ++n;
            ++a;
            continue;
        }
        if (!(before[b] == after[a])) delta.changed_.emplace_back(a, before[b]);
        ++a;
        ++b;
    }
    return delta;
}

void LampListDelta::revert(std::vector<Lamp>& lamps) const {
    for (const auto& [at, lamp] : changed_) lamps[at] = lamp;
    for (auto it = inserted_.rbegin(); it != inserted_.rend(); ++it) {
        lamps.erase(lamps.begin() + static_cast<std::ptrdiff_t>(*it));
    }
    for (const auto& [at, lamp] : removed_) {
        lamps.insert(lamps.begin() + static_cast<std::ptrdiff_t>(at), lamp);
    }
}

std::size_t LampListDelta::sizeInBytes() const {
    const std::size_t lamps = removed_.size() + changed_.size();
    return sizeof(*this) + lamps * sizeof(std::pair<std::size_t, Lamp>) +
           inserted_.size() * sizeof(std::size_t);
}

}  // namespace vx
