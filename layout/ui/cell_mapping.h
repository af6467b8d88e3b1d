#pragma once
// Where the lattice cells of a layout lie on a surface: cell (x, y) covers
// the square of `zoom` pels whose top left corner is origin + (x, y) * zoom.
// The layout view draws, hit-tests hover, presses and drags, and the printer
// draws its pages through one of these, so a click lands on the cell drawn
// under it.

#include <QPoint>
#include <QRect>

#include <span>

#include "layout/lamp.h"
#include "layout/layout_bounds.h"

namespace vx {

struct CellMapping {
    int zoom = 16;  // pels per cell, at least 1
    QPoint origin;  // surface position of cell (0, 0)'s top left corner

    QRect cellRect(int x, int y) const {
        return {origin.x() + x * zoom, origin.y() + y * zoom, zoom, zoom};
    }
    // The cell under a surface point; left of or above cell 0 the cells
    // count on negative.
    QPoint cellAt(QPoint p) const {
        return {floorDiv(p.x() - origin.x()), floorDiv(p.y() - origin.y())};
    }

    // The mapping that puts the middle of `bounds` at the middle of a
    // `width` x `height` surface, scrolled by `scroll` pels.
    static CellMapping centred(const CellRect& bounds, int width, int height, int zoom,
                               QPoint scroll) {
        return {zoom, QPoint((width - (bounds.left + bounds.right) * zoom) / 2 - zoom / 2,
                             (height - (bounds.top + bounds.bottom) * zoom) / 2 - zoom / 2) -
                          scroll};
    }

private:
    int floorDiv(int v) const { return v >= 0 ? v / zoom : -((-v + zoom - 1) / zoom); }
};

}  // namespace vx
