#pragma once
// Drawing of the layout view, apart from the widget so that it can paint
// into an image as well as on screen.

#include <QPainter>
#include <QSize>

#include "layout/lamp_layout.h"

namespace vx {

inline constexpr int kMaxFittedZoom = 20;

struct LayoutPaintState {
    int zoom = 16;  // pels per lattice cell
    int scrollX = 0;
    int scrollY = 0;
    bool showGrid = false;
    // In the insert and delete modes each lamp fills its cell exactly, so
    // that what is clicked is what is drawn; otherwise the lamps are centred.
    bool cellAligned = false;
};

// The zoom of a view's first redraw: the lamps' wider extent fills the
// client area, at most 20 pels per cell. Lamps without extent (one row and
// one column) keep `current`, limited to 20.
int fittedZoom(const std::vector<Lamp>& lamps, QSize client, int current);

// The display offset that centres the lamps in the client area.
QPoint displayOffset(const std::vector<Lamp>& lamps, QSize client, int zoom);

// Top-left corner of a lamp's square on the client area, given the display
// offset of its lamp list.
QPoint lampSquareOrigin(const Lamp& lamp, QPoint offset, const LayoutPaintState& state);

// Grid and lamps. The background is left to the caller.
void paintLayout(QPainter& painter, const LampLayout& layout, QSize client,
                 const LayoutPaintState& state);

}  // namespace vx
