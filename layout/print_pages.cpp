#include "layout/print_pages.h"

#include "layout/lamp_extent.h"

namespace vx {

PrintTiling printTiling(std::span<const Lamp> lamps) {
    const LampExtent e = lampExtent(lamps);
    return PrintTiling{e.minX, e.minY, (e.maxX - e.minX) / kPrintColumns + 1,
                       (e.maxY - e.minY) / kPrintRows + 1};
}

PrintTile printTile(const PrintTiling& tiling, std::int32_t page) {
    const std::int32_t index = page - 1;
    const std::int32_t column = index / tiling.down;
    const std::int32_t row = index % tiling.down;
    return PrintTile{column, row, tiling.left + column * kPrintColumns,
                     tiling.top + row * kPrintRows};
}

}  // namespace vx
