#pragma once
// Draws the lamps of a playback the way the demo surface does: on black,
// each lamp a cell of the playback geometry in its current colour, plain or
// with rounded corners.

#include <span>

#include "engine/play/play_geometry.h"
#include "layout/lamp.h"
#include "layout/picture/picture.h"

namespace vx {

enum class CellShape { Square, Rounded };

// Clears `image` to black and draws lamp i of `lamps` in colours[i]
// (0x00BBGGRR); lamps without a colour entry are left black. Cells are
// clipped to the image.
void drawLamps(Picture& image, std::span<const Lamp> lamps, std::span<const ColorWord> colors,
               const PlayGeometry& geometry, CellShape shape);

}  // namespace vx
