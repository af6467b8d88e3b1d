#include "layout/lamp_editing.h"

#include <algorithm>

namespace vx {
namespace {

std::int64_t keyOf(std::int32_t x, std::int32_t y, std::int32_t rows) {
    return std::int64_t{x} * rows + y;
}

// Later lamps of the chain close the gap; the lamp turns green on no port.
bool takeOutOfChain(std::vector<Lamp>& lamps, std::int32_t cx, std::int32_t cy) {
    const auto hit = std::find_if(lamps.begin(), lamps.end(),
                                  [&](const Lamp& l) { return l.x == cx && l.y == cy; });
    if (hit == lamps.end()) return false;
    for (auto& l : lamps) {
        if (l.port == hit->port && l.portOrder > hit->portOrder) --l.portOrder;
    }
    hit->color = kGreen;
    hit->port = 0;
    hit->portOrder = 0;
    return true;
}

}  // namespace

std::int32_t latticeRows(const LampLayout& layout) {
    const auto pitch = std::max<std::int32_t>(1, static_cast<std::int32_t>(layout.lampPitch));
    return (layout.scanScope.bottom - layout.scanScope.top) / pitch;
}

bool insertLampAt(LampLayout& layout, std::int32_t cx, std::int32_t cy) {
    auto& lamps = layout.lamps;
    const auto diameter = static_cast<std::int32_t>(layout.lampPitch);
    if (lamps.empty()) {
        lamps.push_back(Lamp::made(cx, cy, 0, diameter));
        return true;
    }
    const bool occupied = std::any_of(lamps.begin(), lamps.end(),
                                      [&](const Lamp& l) { return l.x == cx && l.y == cy; });
    if (occupied) return false;

    const auto rows = latticeRows(layout);
    const auto k = keyOf(cx, cy, rows);
    const auto at = std::find_if(lamps.begin(), lamps.end(),
                                 [&](const Lamp& l) { return keyOf(l.x, l.y, rows) > k; });
    if (at == lamps.end()) {
        lamps.push_back(Lamp::made(cx, cy, lamps.back().number + 1, diameter));
        return true;
    }
    const auto number = at->number;
    for (auto it = at; it != lamps.end(); ++it) {
        if (keyOf(it->x, it->y, rows) > k) ++it->number;
    }
    lamps.insert(at, Lamp::made(cx, cy, number, diameter));
    return true;
}

bool deleteLampsAt(LampLayout& layout, std::int32_t cx, std::int32_t cy) {
    if (!takeOutOfChain(layout.lamps, cx, cy)) return false;
    const auto rows = latticeRows(layout);
    auto& lamps = layout.lamps;
    std::vector<std::int64_t> removedKeys;
    std::erase_if(lamps, [&](const Lamp& l) {
        if (l.x != cx || l.y != cy) return false;
        removedKeys.push_back(keyOf(l.x, l.y, rows));
        return true;
    });
    for (const auto removed : removedKeys) {
        for (auto& l : lamps) {
            if (keyOf(l.x, l.y, rows) > removed) --l.number;
        }
    }
    return true;
}

}  // namespace vx
