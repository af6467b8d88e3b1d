#include "engine/play/play_geometry.h"

#include <algorithm>

namespace vx {

std::int32_t fitCellSize(const CellRect& bounds, std::int32_t width, std::int32_t height) {
    const std::int64_t spreadX = std::int64_t{bounds.right} - bounds.left;
    const std::int64_t spreadY = std::int64_t{bounds.bottom} - bounds.top;
    std::int64_t size = kMaxCellSize;
    if (spreadX > spreadY) {
        size = width / spreadX;
    } else if (spreadY > 0) {
        size = height / spreadY;
    }
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(size, 1, kMaxCellSize));
}

PlayGeometry::PlayGeometry(const CellRect& bounds, std::int32_t cell, std::int32_t width,
                           std::int32_t height)
    : cellSize(std::max(cell, 1)),
      offX((width - (bounds.right + bounds.left) * cellSize) / 2),
      offY((height - (bounds.bottom + bounds.top) * cellSize) / 2) {}

PixelRect PlayGeometry::cell(std::int32_t x, std::int32_t y) const {
    const std::int32_t cx = x * cellSize + offX;
    const std::int32_t cy = y * cellSize + offY;
    const std::int32_t half = cellSize / 2;
    return {cx - half, cy - half, cx + half, cy + half};
}

}  // namespace vx
