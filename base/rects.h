#pragma once
// Rectangles in the two coordinate spaces of a layout: grid cells (what
// modes, layers and lamp bounds are made of) and view pixels (what the mode
// sheet shows and the designer types, and where lamps are drawn).

#include <cstdint>

namespace vx {

// Inclusive rectangle of grid cells. One with right < left holds no cell.
struct CellRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
    bool operator==(const CellRect&) const = default;
};

// The bounds of a set without cells.
inline constexpr CellRect kNoCells{0, 0, -1, -1};

// Rectangle of view pixels. The mode sheet's area is a CellRect times the
// cell size (the top-left pixels of its corner cells); a drawn lamp's box
// ends just before right and bottom.
struct PixelRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
    bool operator==(const PixelRect&) const = default;
};

}  // namespace vx
