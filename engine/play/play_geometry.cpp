#include "engine/play/play_geometry.h"

#include <algorithm>

namespace vx {

std::int32_t fitCellSize(const LampExtent& extent, std::int32_t width, std::int32_t height) {
    const std::int64_t spreadX = std::int64_t{extent.maxX} - extent.minX;
    const std::int64_t spreadY = std::int64_t{extent.maxY} - extent.minY;
    std::int64_t size = kMaxCellSize;
    if (spreadX > spreadY) {
        size = width / spreadX;
    } else if (spreadY > 0) {
        size = height / spreadY;
    }
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(size, 1, kMaxCellSize));
}

PlayGeometry::PlayGeometry(const LampExtent& extent, std::int32_t cell, std::int32_t width,
                           std::int32_t height)
    : cellSize(std::max(cell, 1)),
      offX((width - (extent.maxX + extent.minX) * cellSize) / 2),
      offY((height - (extent.maxY + extent.minY) * cellSize) / 2) {}

CellBox PlayGeometry::cell(std::int32_t x, std::int32_t y) const {
    const std::int32_t cx = x * cellSize + offX;
    const std::int32_t cy = y * cellSize + offY;
    const std::int32_t half = cellSize / 2;
    return {cx - half, cy - half, cx + half, cy + half};
}

}  // namespace vx
