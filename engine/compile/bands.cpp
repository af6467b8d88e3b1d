#include "engine/compile/bands.h"

#include <algorithm>

#include "engine/compile/scans.h"

namespace vx {

namespace {

std::int64_t bandWidthOf(const Mode& mode) { return mode.bandWidth < 1 ? 1 : mode.bandWidth; }

std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
    const std::int64_t q = a / b;
    return (a % b != 0 && a < 0) ? q - 1 : q;
}

std::int64_t ceilDiv(std::int64_t a, std::int64_t b) { return -floorDiv(-a, b); }

// Calls f(v) for v = from, from + w, ... while v < end. A band starting at v
// covers v .. v + w - 1 in the caller's measure; bands wholly below reachLo
// or starting above reachHi hold no lamp and are skipped without a call.
template <class F>
void forStarts(std::int64_t from, std::int64_t w, std::int64_t end, std::int64_t reachLo,
               std::int64_t reachHi, F f) {
    std::int64_t v = from;
    if (v + w - 1 < reachLo) v += ceilDiv(reachLo - (v + w - 1), w) * w;
    for (; v < end && v <= reachHi; v += w) f(v);
}

class BandCollector {
public:
    explicit BandCollector(const ScanInput& in)
        : in_(in), inc_(in.mode), box_(inc_.reach(lampBox(in.bounds))) {}

    const CellBox& box() const { return box_; }
    Bands take() { return std::move(bands_); }

    // Cells whose column lies in [c0, c1].
    void columns(std::int64_t c0, std::int64_t c1) {
        collect(c0, c1, [&](std::int64_t) { return Span{box_.y0, box_.y1}; });
    }
    // Cells whose row lies in [r0, r1].
    void rows(std::int64_t r0, std::int64_t r1) {
        collect(box_.x0, box_.x1, [&](std::int64_t) {
            return Span{std::max(r0, box_.y0), std::min(r1, box_.y1)};
        });
    }
    // Cells with x + y in the range.
    void antiDiagonals(LineRange lines) {
        if (lines.empty()) return;
        collect(lines.first - box_.y1, lines.last - box_.y0, [&](std::int64_t x) {
            return Span{std::max(box_.y0, lines.first - x), std::min(box_.y1, lines.last - x)};
        });
    }
    // Cells with x - y in the range.
    void diagonals(LineRange lines) {
        if (lines.empty()) return;
        collect(lines.first + box_.y0, lines.last + box_.y1, [&](std::int64_t x) {
            return Span{std::max(box_.y0, x - lines.last), std::min(box_.y1, x - lines.first)};
        });
    }

private:
    struct Span {
        std::int64_t y0;
        std::int64_t y1;
    };

    // Columns x0..x1 (within the box), and in each the rows rowsOf(x) gives.
    template <class RowsOf>
    void collect(std::int64_t x0, std::int64_t x1, RowsOf rowsOf) {
        LampCollector out;
        for (std::int64_t x = std::max(x0, box_.x0); x <= std::min(x1, box_.x1); ++x) {
            const Span s = rowsOf(x);
            for (std::int64_t y = s.y0; y <= s.y1; ++y) {
                const std::int32_t v = lampAt(in_.grid, x, y);
                if (v >= 0 && inc_.takes(x, y, v)) out.add(v);
            }
        }
        if (!out.empty()) bands_.push_back(out.take());
    }

    const ScanInput& in_;
    Inclusion inc_;
    CellBox box_;
    Bands bands_;
};

// The start's x + y lies strictly between the area's corner sums.
bool startInsideArea(const Mode& m) {
    const std::int64_t sum = std::int64_t{m.startX} + m.startY;
    return std::int64_t{m.area.left} + m.area.top < sum &&
           sum < std::int64_t{m.area.right} + m.area.bottom;
}

// First value of a0, a0 + w, ... that reaches r (a0 itself when a0 >= r).
std::int64_t firstReaching(std::int64_t a0, std::int64_t w, std::int64_t r) {
    return a0 >= r ? a0 : a0 + w * ceilDiv(r - a0, w);
}

}  // namespace

Bands buildColumnBands(const ScanInput& in) {
    const std::int64_t w = bandWidthOf(in.mode);
    const std::int64_t L = in.bounds.left;
    const std::int64_t R = in.bounds.right;
    const std::int64_t s = in.mode.startX;
    BandCollector bc(in);
    const CellBox box = bc.box();
    if (L < s && s <= R) {
        forStarts(s, w, R + 1, box.x0, box.x1, [&](std::int64_t c) { bc.columns(c, c + w - 1); });
        forStarts(L, w, s, box.x0, box.x1,
                  [&](std::int64_t c) { bc.columns(c, std::min(c + w - 1, s - 1)); });
    } else {
        forStarts(L, w, R + 1, box.x0, box.x1, [&](std::int64_t c) { bc.columns(c, c + w - 1); });
    }
    return bc.take();
}

Bands buildRowBands(const ScanInput& in) {
    const std::int64_t w = bandWidthOf(in.mode);
    const std::int64_t T = in.bounds.top;
    const std::int64_t B = in.bounds.bottom;
    const std::int64_t s = in.mode.startY;
    BandCollector bc(in);
    const CellBox box = bc.box();
    if (in.mode.area.top < s && s <= in.mode.area.bottom) {
        forStarts(s, w, B + 1, box.y0, box.y1, [&](std::int64_t r) { bc.rows(r, r + w - 1); });
        forStarts(T, w, s, box.y0, box.y1,
                  [&](std::int64_t r) { bc.rows(r, std::min(r + w - 1, s - 1)); });
    } else {
        forStarts(T, w, B + 1, box.y0, box.y1, [&](std::int64_t r) { bc.rows(r, r + w - 1); });
    }
    return bc.take();
}

Bands buildAntiDiagonalBands(const ScanInput& in) {
    const CellRect& b = in.bounds;
    const std::int64_t w = bandWidthOf(in.mode);
    const std::int64_t L = b.left;
    const std::int64_t T = b.top;
    const std::int64_t R = b.right;
    const std::int64_t B = b.bottom;
    BandCollector bc(in);
    const CellBox box = bc.box();
    const std::int64_t minLine = box.x0 + box.y0;
    const std::int64_t maxLine = box.x1 + box.y1;
    const bool wrap = startInsideArea(in.mode);
    const std::int64_t sum = std::int64_t{in.mode.startX} + in.mode.startY;
    const std::int64_t a0 = wrap ? L + w * floorDiv(sum - L, w) : L;

    // An anchor (a, T) starts at line a + T; (R, y) at line R + y.
    auto topAnchor = [&](std::int64_t a) { bc.antiDiagonals(antiDiagonalLines(b, a, T, w)); };
    forStarts(a0, w, R, minLine - T, maxLine - T, topAnchor);
    const std::int64_t e = firstReaching(a0, w, R);
    forStarts(T + (e - R), w, B + 1, minLine - R, maxLine - R,
              [&](std::int64_t y) { bc.antiDiagonals(antiDiagonalLines(b, R, y, w)); });
    if (wrap) forStarts(L, w, a0, minLine - T, maxLine - T, topAnchor);
    return bc.take();
}

Bands buildDiagonalBands(const ScanInput& in) {
    const CellRect& b = in.bounds;
    const std::int64_t w = bandWidthOf(in.mode);
    const std::int64_t L = b.left;
    const std::int64_t T = b.top;
    const std::int64_t R = b.right;
    const std::int64_t B = b.bottom;
    BandCollector bc(in);
    const CellBox box = bc.box();
    const std::int64_t minLine = box.x0 - box.y1;
    const std::int64_t maxLine = box.x1 - box.y0;
    const bool wrap = startInsideArea(in.mode);
    const std::int64_t a0 =
        wrap ? L + w * floorDiv(B - L - std::int64_t{in.mode.startY} + in.mode.startX, w) : L;

    // An anchor (a, B) starts at line a - B; (R, y) at line R - y, so the
    // right column is walked upwards as u = -y grows.
    auto bottomAnchor = [&](std::int64_t a) { bc.diagonals(diagonalLines(b, a, B, w)); };
    forStarts(a0, w, R, minLine + B, maxLine + B, bottomAnchor);
    const std::int64_t e = firstReaching(a0, w, R);
    forStarts(-(B - e + R), w, -T + 1, minLine - R, maxLine - R,
              [&](std::int64_t u) { bc.diagonals(diagonalLines(b, R, -u, w)); });
    if (wrap) forStarts(L, w, a0, minLine + B, maxLine + B, bottomAnchor);
    return bc.take();
}

}  // namespace vx
