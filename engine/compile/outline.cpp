#include "engine/compile/outline.h"

#include <algorithm>

namespace vx {

namespace {

bool holdsLamp(const LampGrid& grid, std::int64_t x, std::int64_t y) {
    return lampAt(grid, x, y) >= 0;
}

bool isBoundaryLamp(const LampGrid& grid, std::int64_t x, std::int64_t y) {
    if (!holdsLamp(grid, x, y)) return false;
    if (x == 0 || y == 0) return true;
    return !holdsLamp(grid, x, y - 1) || !holdsLamp(grid, x, y + 1) || !holdsLamp(grid, x - 1, y) ||
           !holdsLamp(grid, x + 1, y);
}

bool isKernelLamp(const LampGrid& grid, std::int64_t x, std::int64_t y) {
    return holdsLamp(grid, x, y) && holdsLamp(grid, x, y - 1) && holdsLamp(grid, x, y + 1) &&
           holdsLamp(grid, x - 1, y) && holdsLamp(grid, x + 1, y);
}

// The cells of the area that can hold a lamp.
CellBox searchBox(const ScanInput& in) {
    const CellBox a = gridPart(in.mode.area);
    const CellBox b = lampBox(in.bounds);
    return CellBox{std::max(a.x0, b.x0), std::max(a.y0, b.y0), std::min(a.x1, b.x1),
                   std::min(a.y1, b.y1)};
}

struct Cell {
    std::int64_t x;
    std::int64_t y;
    bool operator==(const Cell&) const = default;
};

// Moves the probe one cell in direction k: k mod 4 < 2 moves in y,
// otherwise in x; forward for k mod 8 < 4, backward after.
Cell step(Cell c, int k) {
    const std::int64_t d = (k % 8) < 4 ? 1 : -1;
    if (k % 4 < 2) return Cell{c.x, c.y + d};
    return Cell{c.x + d, c.y};
}

void traceOutline(const LampGrid& grid, Cell first, LampCollector& out, std::int64_t maxSteps) {
    Cell current = first;
    Cell probe{first.x - 1, first.y - 1};
    int k = 0;
    // A state (cell, direction) that repeats without reaching the first lamp
    // would repeat for ever; maxSteps bounds the states there are.
    for (std::int64_t steps = 0; steps < maxSteps; ++steps) {
        bool found = false;
        for (int tries = 0; tries < 8; ++tries) {
            probe = step(probe, k);
            const int moved = k;
            k = (k + 1) % 8;
            if (isBoundaryLamp(grid, probe.x, probe.y)) {
                out.add(lampAt(grid, probe.x, probe.y));
                k = (moved + 5) % 8;
                const Cell next = probe;
                probe = current;
                current = next;
                found = true;
                break;
            }
        }
        if (!found || current == first) return;
    }
}

}  // namespace

UintList traceSideFrame(const ScanInput& in) {
    LampCollector out;
    const CellBox box = searchBox(in);
    const CellBox all = lampBox(in.bounds);
    const std::int64_t cells = std::max<std::int64_t>(0, (all.x1 - all.x0 + 1)) *
                               std::max<std::int64_t>(0, (all.y1 - all.y0 + 1));
    const std::int64_t maxSteps = 8 * cells + 8;
    for (std::int64_t x = box.x0; x <= box.x1; ++x) {
        for (std::int64_t y = box.y0; y <= box.y1; ++y) {
            if (!isBoundaryLamp(in.grid, x, y)) continue;
            const std::size_t before = out.size();
            out.add(lampAt(in.grid, x, y));
            if (out.size() == before) continue;  // already on an earlier outline
            traceOutline(in.grid, Cell{x, y}, out, maxSteps);
        }
    }
    return out.take();
}

UintList collectKernel(const ScanInput& in) {
    LampCollector out;
    const CellBox box = searchBox(in);
    for (std::int64_t x = box.x0; x <= box.x1; ++x) {
        for (std::int64_t y = box.y0; y <= box.y1; ++y) {
            if (isKernelLamp(in.grid, x, y)) out.add(lampAt(in.grid, x, y));
        }
    }
    return out.take();
}

}  // namespace vx
