#pragma once
// What every ordering reads: the mode, the mode's lamp grid and the
// layout bounds; plus the two small tools the orderings share: the inclusion
// rule and a lamp list that keeps each lamp once.
//
// Coordinates are handled as 64-bit values: starts, areas and widths come
// from files unchecked, and the formulas must neither overflow nor walk
// millions of empty cells. Cells outside the grid hold no lamp.

#include <algorithm>
#include <cstdint>
#include <unordered_set>
#include <vector>

#include "effects/mode.h"
#include "layout/lamp_grid.h"
#include "layout/layout_bounds.h"

namespace vx {

struct ScanInput {
    const Mode& mode;
    const LampGrid& grid;
    CellRect bounds;
};

// Inclusive cell rectangle in 64-bit coordinates; empty when x0 > x1 or y0 > y1.
struct CellBox {
    std::int64_t x0 = 0;
    std::int64_t y0 = 0;
    std::int64_t x1 = -1;
    std::int64_t y1 = -1;
};

// The part of the bounds that lies on the grid: the only cells that can
// hold a lamp of the mode's grid.
CellBox lampBox(const CellRect& bounds);
// The part of a rectangle that lies on the grid.
CellBox gridPart(const CellRect& rect);

// Lamp number at (x, y), or -1 for an empty cell or a cell off the grid.
// Negative numbers in the grid count as empty: no list can refer to them.
// Inline: every ordering calls it once per visited cell.
inline std::int32_t lampAt(const LampGrid& grid, std::int64_t x, std::int64_t y) {
    constexpr auto kSide = static_cast<std::uint64_t>(LampGrid::kSize);
    if (static_cast<std::uint64_t>(x) >= kSide || static_cast<std::uint64_t>(y) >= kSide) return -1;
    const std::int32_t v =
        grid.cells()[static_cast<std::size_t>(y) * kSide + static_cast<std::size_t>(x)];
    return v < 0 ? -1 : v;
}

// A visited cell's lamp is taken when the cell lies inside the mode's area
// (inclusive) or the lamp is one of the mode's extraLamps.
class Inclusion {
public:
    explicit Inclusion(const Mode& mode);
    bool takes(std::int64_t x, std::int64_t y, std::int32_t lamp) const {
        if (x >= area_.left && x <= area_.right && y >= area_.top && y <= area_.bottom) return true;
        return !extra_.empty() &&
               std::binary_search(extra_.begin(), extra_.end(), static_cast<std::uint32_t>(lamp));
    }
    // The part of box where a lamp can be taken: all of it when there are
    // extra lamps, otherwise only its overlap with the area. Visiting only
    // these cells, in the same order, gives the same list.
    CellBox reach(const CellBox& box) const;

private:
    CellRect area_;
    std::vector<std::uint32_t> extra_;  // sorted
};

// An ordered lamp list without repeats.
class LampCollector {
public:
    // Inline: called once per lamp taken.
    void add(std::int32_t lamp) {
        if (lamp < 0) return;
        const auto n = static_cast<std::uint32_t>(lamp);
        if (n < kDenseLimit) {
            const std::size_t word = n / 64;
            if (word >= seen_.size()) grow(word);
            const std::uint64_t bit = std::uint64_t{1} << (n % 64);
            if ((seen_[word] & bit) != 0) return;
            seen_[word] |= bit;
        } else if (!far_.insert(n).second) {
            return;
        }
        list_.push_back(n);
    }
    bool empty() const { return list_.empty(); }
    std::size_t size() const { return list_.size(); }
    const UintList& list() const { return list_; }
    UintList take() { return std::move(list_); }

private:
    void grow(std::size_t word);

    static constexpr std::uint32_t kDenseLimit = 1u << 20;
    UintList list_;
    std::vector<std::uint64_t> seen_;        // bits of lamp numbers below kDenseLimit
    std::unordered_set<std::uint32_t> far_;  // the others
};

}  // namespace vx
