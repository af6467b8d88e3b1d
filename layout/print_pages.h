#pragma once
// How a layout is cut into printed pages: at a fixed scale a page holds 50
// columns by 76 rows of cells, tiles run from the lamps' smallest cell, and
// pages are numbered down each column of tiles before moving right.

#include <cstdint>
#include <span>

#include "layout/lamp.h"

namespace vx {

inline constexpr std::int32_t kPrintColumns = 50;
inline constexpr std::int32_t kPrintRows = 76;

struct PrintTiling {
    std::int32_t left = 0;  // smallest lamp x and y
    std::int32_t top = 0;
    std::int32_t across = 1;  // tiles
    std::int32_t down = 1;
    std::int32_t pageCount() const { return across * down; }
};

PrintTiling printTiling(std::span<const Lamp> lamps);

// The cells of page n (from 1): tile column c and row r with n = c x down + r + 1.
struct PrintTile {
    std::int32_t column = 0;
    std::int32_t row = 0;
    std::int32_t firstX = 0;
    std::int32_t firstY = 0;
};
PrintTile printTile(const PrintTiling& tiling, std::int32_t page);

}  // namespace vx
