#include "app/wizard/wizard_lamps.h"

#include "layout/layout_bounds.h"
#include "layout/ports.h"

namespace vx {

std::vector<Lamp> makeWizardLamps(const WizardShape& shape, std::int32_t zoom, double lampPitch) {
    std::vector<Lamp> lamps;
    if (zoom <= 0) return lamps;
    const auto diameter = static_cast<std::int32_t>(lampPitch);
    for (std::int32_t c = 1; c <= shape.columns; ++c) {
        for (std::int32_t r = 1; r <= shape.rows; ++r) {
            const bool outline = c == 1 || c == shape.columns || r == 1 || r == shape.rows;
            if (!shape.fill && !outline) continue;
            const std::int32_t x = (336 + 16 * (c - 1)) / zoom;
            const std::int32_t y = (176 + 16 * (r - 1)) / zoom;
            lamps.push_back(Lamp::made(x, y, static_cast<std::int32_t>(lamps.size()), diameter));
        }
    }
    return lamps;
}

void wireWizardLamps(std::vector<Lamp>& lamps, std::int32_t port) {
    std::size_t start = 0;
    std::int32_t column = 0;
    while (start < lamps.size()) {
        std::size_t end = start;
        while (end < lamps.size() && lamps[end].x == lamps[start].x) ++end;
        ++column;
        for (std::size_t i = start; i < end; ++i) {
            Lamp& lamp = lamps[i];
            lamp.number = static_cast<std::int32_t>(i);
            lamp.port = port;
            lamp.color = portColor(port);
            // Even columns count back from the last place of the column.
            lamp.portOrder = static_cast<std::int32_t>(column % 2 == 1 ? i + 1 : start + end - i);
        }
        start = end;
    }
}

WizardExtent wizardExtent(const std::vector<Lamp>& lamps) {
    if (lamps.empty()) return {};
    const CellRect e = allLampBounds(lamps);
    return {e.right - e.left + 1, e.bottom - e.top + 1};
}

}  // namespace vx
