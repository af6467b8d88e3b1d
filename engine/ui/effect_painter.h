#pragma once
// Drawing of the effect view, apart from the widget so that it can paint
// into an image as well as on screen.

#include <QPainter>
#include <QSize>

#include <cstdint>
#include <vector>

#include "engine/play/play_geometry.h"
#include "layout/lamp.h"

namespace vx {

// The cell size that fits the lamps into the client area: the client height
// over the lamps' y extent when they spread at least as far in y as in x,
// else the width over the x extent; at most 20. Lamps without extent get 20.
int fittedCellSize(const std::vector<Lamp>& lamps, QSize client);

// The cell of one lamp: centred at (x * cell + offX, y * cell + offY), with
// the offsets that centre all lamps in the client area.
QRect lampCell(const Lamp& lamp, QPoint offset, int cellSize);
QPoint cellOffset(const std::vector<Lamp>& lamps, QSize client, int cellSize);

// The lamps whose numbers are listed, filled in `colour` with the same
// rounded cells (the layer being edited green, a picked list blue).
void paintMarkedLamps(QPainter& painter, const std::vector<Lamp>& lamps,
                      const std::vector<std::uint32_t>& numbers, QSize client, int cellSize,
                      QColor color);

// The lamp in lattice cell `cell`, or -1.
int lampAtCell(const std::vector<Lamp>& lamps, QPoint cell);
// The lattice cell under a point of the client area.
QPoint cellAt(const std::vector<Lamp>& lamps, QSize client, int cellSize, QPoint pixel);

// Every lamp as a rounded cell in steel blue, outlined in white.
void paintEffectLamps(QPainter& painter, const std::vector<Lamp>& lamps, QSize client,
                      int cellSize);

}  // namespace vx
