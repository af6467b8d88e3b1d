#include "layout/print_pages.h"

#include "layout/layout_bounds.h"

namespace vx {

PrintTiling printTiling(std::span<const Lamp> lamps) {
    const CellRect e = allLampBounds(lamps);
    return PrintTiling{e.left, e.top, (e.right - e.left) / kPrintColumns + 1,
                       (e.bottom - e.top) / kPrintRows + 1};
}

PrintTile printTile(const PrintTiling& tiling, std::int32_t page) {
    const std::int32_t index = page - 1;
    const std::int32_t column = index / tiling.down;
    const std::int32_t row = index % tiling.down;
    return PrintTile{column, row, tiling.left + column * kPrintColumns,
                     tiling.top + row * kPrintRows};
}

}  // namespace vx
