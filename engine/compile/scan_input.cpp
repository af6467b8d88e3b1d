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

std::int32_t lampAt(const LampGrid& grid, std::int64_t x, std::int64_t y) {
    if (x < 0 || y < 0 || x > kLast || y > kLast) return -1;
    const std::int32_t v = grid.at(static_cast<std::int32_t>(x), static_cast<std::int32_t>(y));
    return v < 0 ? -1 : v;
}

Inclusion::Inclusion(const Mode& mode) : area_(mode.area), extra_(mode.extraLamps) {
    std::sort(extra_.begin(), extra_.end());
}

bool Inclusion::takes(std::int64_t x, std::int64_t y, std::int32_t lamp) const {
    if (x >= area_.left && x <= area_.right && y >= area_.top && y <= area_.bottom) return true;
    return std::binary_search(extra_.begin(), extra_.end(), static_cast<std::uint32_t>(lamp));
}

CellBox Inclusion::reach(const CellBox& box) const {
    if (!extra_.empty()) return box;
    return CellBox{
        std::max<std::int64_t>(box.x0, area_.left), std::max<std::int64_t>(box.y0, area_.top),
        std::min<std::int64_t>(box.x1, area_.right), std::min<std::int64_t>(box.y1, area_.bottom)};
}

void LampCollector::add(std::int32_t lamp) {
    if (lamp < 0) return;
    const auto n = static_cast<std::uint32_t>(lamp);
    if (n < kDenseLimit) {
        if (n >= seen_.size()) seen_.resize(std::max<std::size_t>(n + 1, seen_.size() * 2));
        if (seen_[n]) return;
        seen_[n] = true;
    } else if (!far_.insert(n).second) {
        return;
    }
    list_.push_back(n);
}

}  // namespace vx
