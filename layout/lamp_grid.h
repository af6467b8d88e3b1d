#pragma once
// The 500 x 500 map from lattice cell to lamp number that the engine and the
// table generators read. Cell (x, y) is element y * 500 + x; -1 marks an empty
// cell. A grid is built from a lamp list; the engine may then blank cells
// that a mode does not cover.

#include <cstdint>
#include <span>
#include <vector>

#include "layout/lamp.h"

namespace vx {

class LampGrid {
public:
    static constexpr std::int32_t kSize = 500;
    static constexpr std::int32_t kEmpty = -1;

    LampGrid() : cells_(static_cast<std::size_t>(kSize) * kSize, kEmpty) {}
    // A later lamp on the same cell replaces an earlier one; lamps outside
    // 0..499 have no cell and are left out.
    explicit LampGrid(std::span<const Lamp> lamps);

    static bool inside(std::int32_t x, std::int32_t y) {
        return x >= 0 && y >= 0 && x < kSize && y < kSize;
    }
    // Lamp number at (x, y); kEmpty for an empty cell or a cell off the grid.
    std::int32_t at(std::int32_t x, std::int32_t y) const {
        return inside(x, y) ? cells_[index(x, y)] : kEmpty;
    }
    void set(std::int32_t x, std::int32_t y, std::int32_t number) {
        if (inside(x, y)) cells_[index(x, y)] = number;
    }
    void clear();

    const std::vector<std::int32_t>& cells() const { return cells_; }

private:
    static std::size_t index(std::int32_t x, std::int32_t y) {
        return static_cast<std::size_t>(y) * kSize + static_cast<std::size_t>(x);
    }
    std::vector<std::int32_t> cells_;
};

}  // namespace vx
