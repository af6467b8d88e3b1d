#include "engine/compile/scan_input.h"

#include <algorithm>

namespace vx {

namespace {
constexpr std::int64_t kLast = LampGrid::kSize - 1;
}

CellBox lampBox(const CellRect& bounds) {
    return CellBox{std::max<std::int64_t>(bounds.left, 0), std::max<std::int64_t>(bounds.top, 0),
                   std::min<std::int64_t>(bounds.right, kLast),
                   std::min<std::int64_t>(bounds.bottom, kLast)};
}

CellBox gridPart(const CellRect& rect) {
    return CellBox{std::max<std::int64_t>(rect.left, 0), std::max<std::int64_t>(rect.top, 0),
                   std::min<std::int64_t>(rect.right, kLast),
                   std::min<std::int64_t>(rect.bottom, kLast)};
}

Inclusion::Inclusion(const Mode& mode) : area_(mode.area), extra_(mode.extraLamps) {
    std::sort(extra_.begin(), extra_.end());
}

CellBox Inclusion::reach(const CellBox& box) const {
    if (!extra_.empty()) return box;
    return CellBox{
        std::max<std::int64_t>(box.x0, area_.left), std::max<std::int64_t>(box.y0, area_.top),
        std::min<std::int64_t>(box.x1, area_.right), std::min<std::int64_t>(box.y1, area_.bottom)};
}

// Room for lamp numbers up to 16,383 at once, then doubling.
void LampCollector::grow(std::size_t word) {
    seen_.resize(std::max<std::size_t>({word + 1, seen_.size() * 2, 256}));
}

}  // namespace vx
