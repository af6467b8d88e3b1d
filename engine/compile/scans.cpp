#include "engine/compile/scans.h"

#include <algorithm>

namespace vx {

namespace {

// Takes the lamps of column x, rows y0..y1, into `out`.
void takeColumn(const ScanInput& in, const Inclusion& inc, LampCollector& out, std::int64_t x,
                std::int64_t y0, std::int64_t y1) {
    for (std::int64_t y = y0; y <= y1; ++y) {
        const std::int32_t v = lampAt(in.grid, x, y);
        if (v >= 0 && inc.takes(x, y, v)) out.add(v);
    }
}

void takeRow(const ScanInput& in, const Inclusion& inc, LampCollector& out, std::int64_t y,
             std::int64_t x0, std::int64_t x1) {
    for (std::int64_t x = x0; x <= x1; ++x) {
        const std::int32_t v = lampAt(in.grid, x, y);
        if (v >= 0 && inc.takes(x, y, v)) out.add(v);
    }
}

// The anchor of a diagonal scan first moves along x up to the right bound,
// then along y; every move is one line further.
struct Anchor {
    std::int64_t x0;
    std::int64_t y0;
    std::int64_t xMoves;
    std::int64_t yMoves;
    std::int64_t yStep;  // +1 for anti-diagonals (down), -1 for diagonals (up)

    std::int64_t x(std::int64_t j) const { return x0 + std::min(j, xMoves); }
    std::int64_t y(std::int64_t j) const { return y0 + yStep * (j - std::min(j, xMoves)); }
};

Anchor antiAnchor(const CellRect& b, std::int64_t sx, std::int64_t sy) {
    const std::int64_t ax = sx - 1;
    return Anchor{ax, sy, std::max<std::int64_t>(0, b.right - ax),
                  std::max<std::int64_t>(0, b.bottom - sy), 1};
}

Anchor diagAnchor(const CellRect& b, std::int64_t sx, std::int64_t sy) {
    const std::int64_t ax = sx - 1;
    return Anchor{ax, sy, std::max<std::int64_t>(0, b.right - ax),
                  std::max<std::int64_t>(0, sy - b.top), -1};
}

std::int64_t moveCount(const Anchor& a, std::int64_t count) {
    return count <= 0 ? 0 : std::min(count, a.xMoves + a.yMoves);
}

}  // namespace

UintList scanColumns(const ScanInput& in, std::int64_t start) {
    const Inclusion inc(in.mode);
    const CellBox box = inc.reach(lampBox(in.bounds));
    LampCollector out;
    auto columns = [&](std::int64_t from, std::int64_t to) {
        for (std::int64_t x = std::max(from, box.x0); x <= std::min(to, box.x1); ++x) {
            takeColumn(in, inc, out, x, box.y0, box.y1);
        }
    };
    if (in.bounds.left < start && start <= in.bounds.right) {
        columns(start, in.bounds.right);
        columns(in.bounds.left, start - 1);
    } else {
        columns(in.bounds.left, in.bounds.right);
    }
    return out.take();
}

UintList scanRows(const ScanInput& in, std::int64_t start) {
    const Inclusion inc(in.mode);
    const CellBox box = inc.reach(lampBox(in.bounds));
    LampCollector out;
    auto rows = [&](std::int64_t from, std::int64_t to) {
        for (std::int64_t y = std::max(from, box.y0); y <= std::min(to, box.y1); ++y) {
            takeRow(in, inc, out, y, box.x0, box.x1);
        }
    };
    if (in.mode.area.top < start && start <= in.mode.area.bottom) {
        rows(start, in.bounds.bottom);
        rows(in.bounds.top, start - 1);
    } else {
        rows(in.bounds.top, in.bounds.bottom);
    }
    return out.take();
}

UintList scanAntiDiagonals(const ScanInput& in, std::int64_t sx, std::int64_t sy,
                           std::int64_t count) {
    const Inclusion inc(in.mode);
    const CellBox box = inc.reach(lampBox(in.bounds));
    LampCollector out;
    const Anchor a = antiAnchor(in.bounds, sx, sy);
    const std::int64_t s0 = a.x0 + a.y0;
    // Only lines that cross the lamp box can take a lamp.
    const std::int64_t jFirst = std::max<std::int64_t>(1, box.x0 + box.y0 - s0);
    const std::int64_t jLast = std::min(moveCount(a, count), box.x1 + box.y1 - s0);
    for (std::int64_t j = jFirst; j <= jLast; ++j) {
        const std::int64_t ax = a.x(j);
        const std::int64_t ay = a.y(j);
        // Down-left from the anchor, then up-right after it.
        const std::int64_t k0 = std::max({std::int64_t{0}, ax - box.x1, box.y0 - ay});
        const std::int64_t k1 = std::min(ax - box.x0, box.y1 - ay);
        for (std::int64_t k = k0; k <= k1; ++k) {
            const std::int32_t v = lampAt(in.grid, ax - k, ay + k);
            if (v >= 0 && inc.takes(ax - k, ay + k, v)) out.add(v);
        }
        const std::int64_t m0 = std::max({std::int64_t{1}, box.x0 - ax, ay - box.y1});
        const std::int64_t m1 = std::min(box.x1 - ax, ay - box.y0);
        for (std::int64_t k = m0; k <= m1; ++k) {
            const std::int32_t v = lampAt(in.grid, ax + k, ay - k);
            if (v >= 0 && inc.takes(ax + k, ay - k, v)) out.add(v);
        }
    }
    return out.take();
}

UintList scanDiagonals(const ScanInput& in, std::int64_t sx, std::int64_t sy, std::int64_t count) {
    const Inclusion inc(in.mode);
    const CellBox box = inc.reach(lampBox(in.bounds));
    LampCollector out;
    const Anchor a = diagAnchor(in.bounds, sx, sy);
    const std::int64_t d0 = a.x0 - a.y0;
    const std::int64_t jFirst = std::max<std::int64_t>(1, box.x0 - box.y1 - d0);
    const std::int64_t jLast = std::min(moveCount(a, count), box.x1 - box.y0 - d0);
    for (std::int64_t j = jFirst; j <= jLast; ++j) {
        const std::int64_t ax = a.x(j);
        const std::int64_t ay = a.y(j);
        // Up-left from the anchor, then down-right after it.
        const std::int64_t k0 = std::max({std::int64_t{0}, ax - box.x1, ay - box.y1});
        const std::int64_t k1 = std::min(ax - box.x0, ay - box.y0);
        for (std::int64_t k = k0; k <= k1; ++k) {
            const std::int32_t v = lampAt(in.grid, ax - k, ay - k);
            if (v >= 0 && inc.takes(ax - k, ay - k, v)) out.add(v);
        }
        const std::int64_t m0 = std::max({std::int64_t{1}, box.x0 - ax, box.y0 - ay});
        const std::int64_t m1 = std::min(box.x1 - ax, box.y1 - ay);
        for (std::int64_t k = m0; k <= m1; ++k) {
            const std::int32_t v = lampAt(in.grid, ax + k, ay + k);
            if (v >= 0 && inc.takes(ax + k, ay + k, v)) out.add(v);
        }
    }
    return out.take();
}

LineRange antiDiagonalLines(const CellRect& bounds, std::int64_t sx, std::int64_t sy,
                            std::int64_t count) {
    const Anchor a = antiAnchor(bounds, sx, sy);
    const std::int64_t s0 = a.x0 + a.y0;
    return LineRange{s0 + 1, s0 + moveCount(a, count)};
}

LineRange diagonalLines(const CellRect& bounds, std::int64_t sx, std::int64_t sy,
                        std::int64_t count) {
    const Anchor a = diagAnchor(bounds, sx, sy);
    const std::int64_t d0 = a.x0 - a.y0;
    return LineRange{d0 + 1, d0 + moveCount(a, count)};
}

}  // namespace vx
