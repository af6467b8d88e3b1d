#pragma once
// Read access to the compiled tables for the frame routines. Every lookup is
// guarded: an index that names no entry reads as an empty list, so a broken
// or hand-made table can never make a routine read out of bounds.

#include <cstddef>
#include <cstdint>
#include <span>

#include "engine/compiled_effects.h"
#include "layout/lamp.h"

namespace vx {

// A colour list: R, G, B components. Colour i is components 3i .. 3i+2;
// colour i "from the end" is components count-3i-3 .. count-3i-1, which for
// a count that is not a multiple of 3 straddles triplets, as the controller
// does it.
class ColorList {
public:
    explicit ColorList(std::span<const std::uint32_t> components) : c_(components) {}

    std::size_t count() const { return c_.size() / 3; }
    // Fewer than 3 components: the routines paint nothing with it.
    bool usable() const { return c_.size() >= 3; }
    ColorWord at(std::size_t i) const { return word(3 * i); }
    ColorWord fromEnd(std::size_t i) const { return word(c_.size() - 3 * i - 3); }

    // Each component is taken modulo 256, as a colour word holds bytes.
    static ColorWord make(std::uint32_t r, std::uint32_t g, std::uint32_t b) {
        return (r & 0xFFu) | ((g & 0xFFu) << 8) | ((b & 0xFFu) << 16);
    }

private:
    ColorWord word(std::size_t first) const {
        return make(c_[first], c_[first + 1], c_[first + 2]);
    }
    std::span<const std::uint32_t> c_;
};

struct PlayTables {
    const CompiledEffects& effects;
    std::size_t lampCount = 0;  // lamps of the layout; positions 0 .. lampCount-1

    static std::span<const std::uint32_t> entry(const std::vector<UintList>& table,
                                                std::int64_t index) {
        if (index < 0 || static_cast<std::uint64_t>(index) >= table.size()) return {};
        return table[static_cast<std::size_t>(index)];
    }
    std::span<const std::uint32_t> cluster(std::int64_t i) const {
        return entry(effects.clusters, i);
    }
    std::span<const std::uint32_t> clusterGroup(std::int64_t i) const {
        return entry(effects.clusterGroups, i);
    }
    ColorList colors(std::int64_t i) const { return ColorList{entry(effects.colorGroup, i)}; }
};

}  // namespace vx
