#pragma once
// Which lamp goes into which DMX universe. Lamps are sent in chain order:
// port 1 from portOrder 1 upward, then port 2 ... port 12, three slots
// (R, G, B) a lamp. Each port starts a new universe, and so does every 170th
// lamp of a port, since a universe holds 512 slots. Lamps on no port are not
// sent.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "base/result.h"
#include "layout/lamp.h"

namespace vx {

inline constexpr std::size_t kLampsPerUniverse = 170;
// sACN and Art-Net number their universes 1 to 63999.
inline constexpr std::uint32_t kLastUniverse = 63999;

struct DmxUniverse {
    std::uint16_t number = 1;
    std::vector<std::uint32_t> lamps;  // positions in the layout's lamp list, in slot order
};

// The universes of a lamp list, numbered from `firstUniverse` upward.
// Fails when the last one would lie beyond universe 63999.
Result<std::vector<DmxUniverse>> mapUniverses(std::span<const Lamp> lamps,
                                              std::uint32_t firstUniverse);

// The slots of one universe, R, G, B a lamp, from the lamp colours by list
// position (colour words are 0x00BBGGRR). Positions without a colour are black.
void fillSlots(const DmxUniverse& universe, std::span<const ColorWord> colors,
               std::vector<std::uint8_t>& slots);

}  // namespace vx
