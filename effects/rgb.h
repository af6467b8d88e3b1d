#pragma once
// One colour as the designer picks it and a lamp shows it: 8 bits a channel.

#include <cstdint>

namespace vx {

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    bool operator==(const Rgb&) const = default;
};

}  // namespace vx
