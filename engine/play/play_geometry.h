#pragma once
// Where the demo surface draws each lamp: the cell size and the offsets that
// centre the layout, computed from the lamps' lattice cells.

#include <cstdint>
#include <span>

#include "layout/layout_bounds.h"

namespace vx {

inline constexpr std::int32_t kMaxCellSize = 20;

// W / x-spread when the lamps spread further in x than in y, else H /
// y-spread, limited to 20. A layout without bounds (one cell) gets 20, and
// the size never drops below 1.
std::int32_t fitCellSize(const CellRect& bounds, std::int32_t width, std::int32_t height);

struct PlayGeometry {
    std::int32_t cellSize = 1;
    std::int32_t offX = 0;
    std::int32_t offY = 0;

    PlayGeometry(const CellRect& bounds, std::int32_t cell, std::int32_t width,
                 std::int32_t height);

    // The cell of a lamp at lattice (x, y): centred at x * cellSize + offX,
    // y * cellSize + offY, from centre - cellSize/2 to centre + cellSize/2
    // (right and bottom outside).
    PixelRect cell(std::int32_t x, std::int32_t y) const;
    // Corner width and height of a rounded cell: floor(0.9 x cellSize).
    std::int32_t cornerSize() const { return cellSize * 9 / 10; }
};

}  // namespace vx
