// The orderings skip cells that cannot hold a taken lamp and jump over
// lines and bands that cannot reach the lamps. Here they are compared with
// plain step-by-step walks of the same rules on small random layouts.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <set>
#include <utility>

#include "engine/compile/mode_lists.h"
#include "layout/layout_bounds.h"
#include "tests/engine/compile_test_support.h"

namespace vx {
namespace {

using Cells = std::set<std::pair<std::int64_t, std::int64_t>>;

struct Walk {
    const Mode& m;
    const LampGrid& grid;
    LayoutBounds b;

    std::int32_t at(std::int64_t x, std::int64_t y) const {
        if (x < 0 || y < 0 || x >= LampGrid::kSize || y >= LampGrid::kSize) return -1;
        return grid.at(static_cast<std::int32_t>(x), static_cast<std::int32_t>(y));
    }
    bool takes(std::int64_t x, std::int64_t y, std::int32_t v) const {
        const CellRect& a = m.area;
        if (x >= a.left && x <= a.right && y >= a.top && y <= a.bottom) return true;
        return std::find(m.extraLamps.begin(), m.extraLamps.end(), static_cast<std::uint32_t>(v)) !=
               m.extraLamps.end();
    }
    static void add(UintList& list, std::int32_t v) {
        if (v < 0) return;
        const auto n = static_cast<std::uint32_t>(v);
        if (std::find(list.begin(), list.end(), n) == list.end()) list.push_back(n);
    }
    void visit(UintList& list, std::int64_t x, std::int64_t y) const {
        const std::int32_t v = at(x, y);
        if (v >= 0 && takes(x, y, v)) add(list, v);
    }

    UintList columns(std::int64_t s) const {
        UintList out;
        auto run = [&](std::int64_t from, std::int64_t to) {
            for (std::int64_t x = from; x <= to; ++x)
                for (std::int64_t y = b.top; y <= b.bottom; ++y) visit(out, x, y);
        };
        if (b.left < s && s <= b.right) {
            run(s, b.right);
            run(b.left, s - 1);
        } else {
            run(b.left, b.right);
        }
        return out;
    }
    UintList rows(std::int64_t s) const {
        UintList out;
        auto run = [&](std::int64_t from, std::int64_t to) {
            for (std::int64_t y = from; y <= to; ++y)
                for (std::int64_t x = b.left; x <= b.right; ++x) visit(out, x, y);
        };
        if (m.area.top < s && s <= m.area.bottom) {
            run(s, b.bottom);
            run(b.top, s - 1);
        } else {
            run(b.top, b.bottom);
        }
        return out;
    }
    // Calls f for every cell a diagonal scan visits, in order.
    void anti(std::int64_t sx, std::int64_t sy, std::int64_t c,
              const std::function<void(std::int64_t, std::int64_t)>& f) const {
        std::int64_t ax = sx - 1, ay = sy;
        for (std::int64_t i = 0; i < c; ++i) {
            if (ax < b.right)
                ++ax;
            else if (ay < b.bottom)
                ++ay;
            else
                continue;
            for (std::int64_t k = 0; ax - k >= b.left && ay + k <= b.bottom; ++k) f(ax - k, ay + k);
            for (std::int64_t k = 1; ax + k <= b.right && ay - k >= b.top; ++k) f(ax + k, ay - k);
        }
    }
    void diag(std::int64_t sx, std::int64_t sy, std::int64_t c,
              const std::function<void(std::int64_t, std::int64_t)>& f) const {
        std::int64_t ax = sx - 1, ay = sy;
        for (std::int64_t i = 0; i < c; ++i) {
            if (ax < b.right)
                ++ax;
            else if (ay > b.top)
                --ay;
            else
                continue;
            for (std::int64_t k = 0; ax - k >= b.left && ay - k >= b.top; ++k) f(ax - k, ay - k);
            for (std::int64_t k = 1; ax + k <= b.right && ay + k <= b.bottom; ++k)
                f(ax + k, ay + k);
        }
    }
    // A band's lamps in column order over the bounds.
    void band(std::vector<UintList>& out,
              const std::function<bool(std::int64_t, std::int64_t)>& in) const {
        UintList list;
        for (std::int64_t x = b.left; x <= b.right; ++x)
            for (std::int64_t y = b.top; y <= b.bottom; ++y)
                if (in(x, y)) visit(list, x, y);
        if (!list.empty()) out.push_back(list);
    }
    std::int64_t w() const { return m.bandWidth < 1 ? 1 : m.bandWidth; }

    std::vector<UintList> columnBands() const {
        std::vector<UintList> out;
        const std::int64_t s = m.startX;
        auto cols = [&](std::int64_t c0, std::int64_t c1) {
            band(out, [=](std::int64_t x, std::int64_t) { return x >= c0 && x <= c1; });
        };
        if (b.left < s && s <= b.right) {
            for (std::int64_t c = s; c <= b.right; c += w()) cols(c, c + w() - 1);
            for (std::int64_t c = b.left; c < s; c += w()) cols(c, std::min(c + w() - 1, s - 1));
        } else {
            for (std::int64_t c = b.left; c <= b.right; c += w()) cols(c, c + w() - 1);
        }
        return out;
    }
    std::vector<UintList> rowBands() const {
        std::vector<UintList> out;
        const std::int64_t s = m.startY;
        auto rs = [&](std::int64_t r0, std::int64_t r1) {
            band(out, [=](std::int64_t, std::int64_t y) { return y >= r0 && y <= r1; });
        };
        if (m.area.top < s && s <= m.area.bottom) {
            for (std::int64_t r = s; r <= b.bottom; r += w()) rs(r, r + w() - 1);
            for (std::int64_t r = b.top; r < s; r += w()) rs(r, std::min(r + w() - 1, s - 1));
        } else {
            for (std::int64_t r = b.top; r <= b.bottom; r += w()) rs(r, r + w() - 1);
        }
        return out;
    }
    static std::int64_t floorDiv(std::int64_t a, std::int64_t d) {
        return a / d - ((a % d != 0 && a < 0) ? 1 : 0);
    }
    bool wraps() const {
        const std::int64_t sum = std::int64_t{m.startX} + m.startY;
        return m.area.left + m.area.top < sum && sum < m.area.right + m.area.bottom;
    }
    std::vector<UintList> diagonalBands(bool antiLines) const {
        std::vector<UintList> out;
        const std::int64_t W = w();
        auto group = [&](std::int64_t x, std::int64_t y) {
            Cells cells;
            auto f = [&](std::int64_t cx, std::int64_t cy) { cells.insert({cx, cy}); };
            if (antiLines)
                anti(x, y, W, f);
            else
                diag(x, y, W, f);
            band(out, [&](std::int64_t cx, std::int64_t cy) { return cells.count({cx, cy}) > 0; });
        };
        const std::int64_t edgeRow = antiLines ? b.top : b.bottom;
        const std::int64_t a0 =
            !wraps()    ? b.left
            : antiLines ? b.left + W * floorDiv(m.startX + m.startY - b.left, W)
                        : b.left + W * floorDiv(b.bottom - b.left - m.startY + m.startX, W);
        std::int64_t a = a0;
        for (; a < b.right; a += W) group(a, edgeRow);
        const std::int64_t e = a;
        if (antiLines) {
            for (std::int64_t y = b.top + (e - b.right); y <= b.bottom; y += W) group(b.right, y);
        } else {
            for (std::int64_t y = b.bottom - e + b.right; y >= b.top; y -= W) group(b.right, y);
        }
        if (wraps()) {
            for (std::int64_t x = b.left; x < a0; x += W) group(x, edgeRow);
        }
        return out;
    }
    std::vector<UintList> rings() const {
        const CellRect& a = m.area;
        std::int64_t cx = m.startX, cy = m.startY;
        auto inArea = [&](std::int64_t x, std::int64_t y) {
            return x >= a.left && x <= a.right && y >= a.top && y <= a.bottom;
        };
        if (!inArea(cx, cy)) {
            bool found = false;
            for (std::int64_t x = a.left; x <= a.right && !found; ++x)
                for (std::int64_t y = a.top; y <= a.bottom && !found; ++y)
                    if (at(x, y) >= 0) {
                        cx = x;
                        cy = y;
                        found = true;
                    }
        }
        Cells taken;
        std::vector<UintList> out;
        std::int64_t r = 0;
        for (std::int64_t i = 0; i < std::int64_t{a.right} + a.bottom - a.left + 1; ++i) {
            UintList group;
            for (std::int64_t k = 0; k < w(); ++k, ++r) {
                if (taken.insert({cx, cy}).second) {
                    add(group, at(cx, cy));
                    continue;
                }
                for (std::int64_t x = a.left; x <= a.right; ++x)
                    for (std::int64_t y = a.top; y <= a.bottom; ++y)
                        if ((x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r &&
                            taken.insert({x, y}).second)
                            add(group, at(x, y));
            }
            if (!group.empty()) out.push_back(group);
        }
        return out;
    }
};

TEST(CompileReference, OrderingsMatchStepByStepWalks) {
    std::mt19937 rng(2024);
    auto pick = [&](std::int32_t lo, std::int32_t hi) {
        return std::uniform_int_distribution<std::int32_t>(lo, hi)(rng);
    };
    for (int round = 0; round < 25; ++round) {
        LampLayout layout = test::blockLayout(pick(0, 3), pick(0, 3), pick(1, 8), pick(1, 7));
        for (auto& lamp : layout.lamps) {
            if (pick(0, 5) == 0) lamp.x = -1;  // holes: off the grid
        }
        const LampGrid grid(layout.lamps);
        const LayoutBounds bounds = computeLayoutBounds(layout.lamps);
        for (int i = 0; i < 20; ++i) {
            Mode m = test::modeOver("", {pick(-2, 9), pick(-2, 9), pick(-2, 12), pick(-2, 12)});
            m.startX = pick(-3, 13);
            m.startY = pick(-3, 13);
            m.bandWidth = pick(-1, 5);
            if (pick(0, 2) == 0) m.extraLamps = {static_cast<std::uint32_t>(pick(0, 40))};
            const ScanInput in{m, grid, bounds};
            const Walk walk{m, grid, bounds};
            const std::string where =
                "round " + std::to_string(round) + " mode " + std::to_string(i);

            EXPECT_EQ(buildLampOrder(in, "CM_LEFTTORIGHT_CC"), walk.columns(m.startX)) << where;
            EXPECT_EQ(buildLampOrder(in, "CM_UPTODOWN_CF"), walk.rows(m.startY)) << where;
            UintList anti, diag;
            walk.anti(m.startX, m.startY, m.bandWidth,
                      [&](std::int64_t x, std::int64_t y) { walk.visit(anti, x, y); });
            walk.diag(m.startX, m.startY, m.bandWidth,
                      [&](std::int64_t x, std::int64_t y) { walk.visit(diag, x, y); });
            EXPECT_EQ(buildLampOrder(in, "CM_RIGHTUP_CC"), anti) << where;
            EXPECT_EQ(buildLampOrder(in, "CM_LEFTUP_CF"), diag) << where;
            EXPECT_EQ(buildGroupOrder(in, "CM_LEFTTORIGHT_GC"), walk.columnBands()) << where;
            EXPECT_EQ(buildGroupOrder(in, "CM_DOWNTOUP_GF"), walk.rowBands()) << where;
            EXPECT_EQ(buildGroupOrder(in, "CM_LEFTUP_GOBC"), walk.diagonalBands(true)) << where;
            EXPECT_EQ(buildGroupOrder(in, "CM_RIGHTUP_GC"), walk.diagonalBands(false)) << where;
            EXPECT_EQ(buildGroupOrder(in, "CM_EXPANDCIRCULAR_GF"), walk.rings()) << where;
        }
    }
}

}  // namespace
}  // namespace vx
