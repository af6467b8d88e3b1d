#pragma once
// One RGB lamp on a lattice cell of the installation.

#include <cstdint>

namespace vx {

// Colours are 0x00BBGGRR words, red in the low byte.
using ColorWord = std::uint32_t;
inline constexpr ColorWord kRed = 0x0000FF;
inline constexpr ColorWord kGreen = 0x00FF00;

struct Lamp {
    std::int32_t x = 0;  // lattice column
    std::int32_t y = 0;  // lattice row, downwards
    std::int32_t number = 0;
    ColorWord color = kRed;
    std::int32_t diameter = 0;  // lamp pitch in picture pels when the lamp was made
    std::int32_t state = 1;
    std::int32_t port = 0;       // 0 = none, 1..12
    std::int32_t portOrder = 0;  // place in the port's chain from 1; 0 = not assigned

    bool operator==(const Lamp&) const = default;

    // A lamp as the scan, the wizard and insertion make it: green, on no port.
    static Lamp made(std::int32_t x, std::int32_t y, std::int32_t number, std::int32_t diameter) {
        return Lamp{x, y, number, kGreen, diameter, 1, 0, 0};
    }
};

}  // namespace vx
