#pragma once
// The four lamp-list scans. Each visits cells in its own order and takes
// lamps by the inclusion rule (area or extraLamps), each lamp once.

#include <cstdint>

#include "engine/compile/scan_input.h"

namespace vx {

// Columns start, start+1, ..., right, then left, ..., start-1 when
// left < start <= right; otherwise left to right. Rows top to bottom.
UintList scanColumns(const ScanInput& in, std::int64_t start);

// Rows start, ..., bottom, then top, ..., start-1 when the *area* has
// top < start <= bottom; otherwise top to bottom. Rows run over the bounds,
// columns left to right within a row.
UintList scanRows(const ScanInput& in, std::int64_t start);

// `count` lines x + y = const, from the line after the anchor (sx - 1, sy)
// onward; each line from its anchor down-left, then up-right.
UintList scanAntiDiagonals(const ScanInput& in, std::int64_t sx, std::int64_t sy,
                           std::int64_t count);

// `count` lines x - y = const, from the line after the anchor (sx - 1, sy)
// onward; each line from its anchor up-left, then down-right.
UintList scanDiagonals(const ScanInput& in, std::int64_t sx, std::int64_t sy, std::int64_t count);

// The lines (constant x + y, or x - y) that a diagonal scan with these
// arguments visits: consecutive values, first > last when none.
struct LineRange {
    std::int64_t first = 0;
    std::int64_t last = -1;
    bool empty() const { return first > last; }
};
LineRange antiDiagonalLines(const CellRect& bounds, std::int64_t sx, std::int64_t sy,
                            std::int64_t count);
LineRange diagonalLines(const CellRect& bounds, std::int64_t sx, std::int64_t sy,
                        std::int64_t count);

}  // namespace vx
