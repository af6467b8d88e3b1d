#pragma once
// Drawing of the layout view, apart from the widget so that it can paint
// into an image as well as on screen.

#include <QPainter>
#include <QSize>

#include "layout/lamp_layout.h"
#include "layout/ui/cell_mapping.h"

namespace vx {

inline constexpr int kMaxFittedZoom = 20;

struct LayoutPaintState {
    CellMapping cells;
    bool showGrid = false;
};

// The zoom of a view's first redraw: the lamps' wider extent fills the
// client area, at most 20 pels per cell. Lamps without extent (one row and
// one column) keep `current`, limited to 20.
int fittedZoom(const std::vector<Lamp>& lamps, QSize client, int current);

// Grid and lamps. The background is left to the caller.
void paintLayout(QPainter& painter, const LampLayout& layout, QSize client,
                 const LayoutPaintState& state);

}  // namespace vx
