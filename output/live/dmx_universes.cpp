#include "output/live/dmx_universes.h"

#include <algorithm>
#include <string>
#include <utility>

namespace vx {

namespace {
constexpr std::int32_t kPortCount = 12;
}

Result<std::vector<DmxUniverse>> mapUniverses(std::span<const Lamp> lamps,
                                              std::uint32_t firstUniverse) {
    std::vector<std::uint32_t> wired;
    for (std::size_t i = 0; i < lamps.size(); ++i) {
        if (lamps[i].port >= 1 && lamps[i].port <= kPortCount)
            wired.push_back(static_cast<std::uint32_t>(i));
    }
    // Stable, so lamps sharing a place in a chain keep their list order.
    std::ranges::stable_sort(wired, [&](std::uint32_t a, std::uint32_t b) {
        return std::pair(lamps[a].port, lamps[a].portOrder) <
               std::pair(lamps[b].port, lamps[b].portOrder);
    });

    std::vector<DmxUniverse> universes;
    std::int32_t port = 0;
    std::uint32_t number = firstUniverse;
    for (const std::uint32_t lamp : wired) {
        if (universes.empty() || lamps[lamp].port != port ||
            universes.back().lamps.size() == kLampsPerUniverse) {
            if (number < 1 || number > kLastUniverse) {
                return Error{"ERR_LIVE_UNIVERSE",
                             "the lamps need universes " + std::to_string(firstUniverse) +
                                 " to beyond " + std::to_string(kLastUniverse)};
            }
            universes.push_back(DmxUniverse{static_cast<std::uint16_t>(number++), {}});
            port = lamps[lamp].port;
        }
        universes.back().lamps.push_back(lamp);
    }
    return universes;
}

void fillSlots(const DmxUniverse& universe, std::span<const ColorWord> colors,
               std::vector<std::uint8_t>& slots) {
    slots.resize(3 * universe.lamps.size());
    std::size_t s = 0;
    for (const std::uint32_t lamp : universe.lamps) {
        const ColorWord c = lamp < colors.size() ? colors[lamp] : 0;
        slots[s++] = static_cast<std::uint8_t>(c & 0xFF);
        slots[s++] = static_cast<std::uint8_t>((c >> 8) & 0xFF);
        slots[s++] = static_cast<std::uint8_t>((c >> 16) & 0xFF);
    }
}

}  // namespace vx
