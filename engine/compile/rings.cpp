#include "engine/compile/rings.h"

#include <algorithm>
#include <cmath>

namespace vx {

namespace {

struct Centre {
    std::int64_t x;
    std::int64_t y;
};

bool inside(const CellRect& a, std::int64_t x, std::int64_t y) {
    return x >= a.left && x <= a.right && y >= a.top && y <= a.bottom;
}

// The smallest r >= 0 with r * r >= d2.
std::uint64_t ceilSqrt(std::uint64_t d2) {
    if (d2 < (std::uint64_t{1} << 52)) {
        // Below 2^52 the rounded square root is at most one too high (just
        // under a perfect square), never too low.
        auto r = static_cast<std::uint64_t>(std::sqrt(static_cast<double>(d2)));
        if (r * r > d2) --r;
        return r * r == d2 ? r : r + 1;
    }
    auto r = static_cast<std::uint64_t>(std::sqrt(static_cast<long double>(d2)));
    while (r * r < d2) ++r;
    while (r > 0 && (r - 1) * (r - 1) >= d2) --r;
    return r;
}

std::uint64_t squaredDistance(std::int64_t dx, std::int64_t dy) {
    const auto ax = static_cast<std::uint64_t>(dx < 0 ? -dx : dx);
    const auto ay = static_cast<std::uint64_t>(dy < 0 ? -dy : dy);
    return ax * ax + ay * ay;
}

struct RingCell {
    std::uint64_t ring;  // the ring that takes the cell
    std::int32_t lamp;
};

// Orders the cells by ring, keeping the order of cells within a ring. Rings
// of cells on the grid mostly span a small range: then counting them is
// linear; a centre far off the grid falls back to a stable sort.
void sortByRing(std::vector<RingCell>& cells) {
    if (cells.empty()) return;
    const auto [lo, hi] =
        std::minmax_element(cells.begin(), cells.end(),
                            [](const RingCell& a, const RingCell& b) { return a.ring < b.ring; });
    const std::uint64_t first = lo->ring;
    const std::uint64_t span = hi->ring - first;
    if (span > 4 * cells.size() + 4096) {
        std::stable_sort(cells.begin(), cells.end(),
                         [](const RingCell& a, const RingCell& b) { return a.ring < b.ring; });
        return;
    }
    std::vector<std::size_t> start(static_cast<std::size_t>(span) + 2, 0);
    for (const RingCell& c : cells) ++start[static_cast<std::size_t>(c.ring - first) + 1];
    for (std::size_t i = 1; i < start.size(); ++i) start[i] += start[i - 1];
    std::vector<RingCell> sorted(cells.size());
    for (const RingCell& c : cells) sorted[start[static_cast<std::size_t>(c.ring - first)]++] = c;
    cells.swap(sorted);
}

}  // namespace

Bands buildRings(const ScanInput& in) {
    const Mode& m = in.mode;
    const CellRect& area = m.area;
    const CellBox all = lampBox(in.bounds);
    // Only these cells of the area can hold a lamp.
    const CellBox box{
        std::max<std::int64_t>(area.left, all.x0), std::max<std::int64_t>(area.top, all.y0),
        std::min<std::int64_t>(area.right, all.x1), std::min<std::int64_t>(area.bottom, all.y1)};

    Centre c{m.startX, m.startY};
    if (!inside(area, c.x, c.y)) {
        bool found = false;
        for (std::int64_t x = box.x0; x <= box.x1 && !found; ++x) {
            for (std::int64_t y = box.y0; y <= box.y1 && !found; ++y) {
                if (lampAt(in.grid, x, y) >= 0) {
                    c = Centre{x, y};
                    found = true;
                }
            }
        }
    }

    // Ring 0 takes the centre cell; every other cell is taken by the first
    // ring whose radius reaches it. Cells keep their column-by-column order
    // within a ring (stable sort).
    std::vector<RingCell> cells;
    const std::int32_t centreLamp = lampAt(in.grid, c.x, c.y);
    for (std::int64_t x = box.x0; x <= box.x1; ++x) {
        for (std::int64_t y = box.y0; y <= box.y1; ++y) {
            const std::int32_t v = lampAt(in.grid, x, y);
            if (v < 0 || (x == c.x && y == c.y)) continue;
            cells.push_back(RingCell{ceilSqrt(squaredDistance(x - c.x, y - c.y)), v});
        }
    }
    sortByRing(cells);

    const std::int64_t groupCount = std::int64_t{area.right} + area.bottom - area.left + 1;
    const auto w = static_cast<std::uint64_t>(m.bandWidth < 1 ? 1 : m.bandWidth);
    Bands bands;
    std::size_t next = 0;
    for (std::int64_t g = 0; g < groupCount; ++g) {
        if (g > 0) {
            if (next == cells.size()) break;  // every later group is empty
            // Groups before the one holding the next ring are empty.
            g = std::max(g, static_cast<std::int64_t>(cells[next].ring / w));
            if (g >= groupCount) break;
        }
        const std::uint64_t firstRing = static_cast<std::uint64_t>(g) * w;
        const std::uint64_t lastRing = firstRing + w - 1;
        LampCollector out;
        if (g == 0) out.add(centreLamp);
        while (next < cells.size() && cells[next].ring <= lastRing) out.add(cells[next++].lamp);
        if (!out.empty()) bands.push_back(out.take());
    }
    return bands;
}

}  // namespace vx
