#pragma once
// The drawing surface that frame routines play on: paint a lamp, draw a
// text, and wait. Painting and text are the surface's own business (a lamp
// colour table, a picture, a recorder); waiting is always a suspension of the
// routine on the playback clock.

#include <cstdint>
#include <string_view>

#include "engine/play/routine.h"
#include "layout/lamp.h"

namespace vx {

class DrawSurface {
public:
    virtual ~DrawSurface() = default;

    // Fills the cell of the lamp at this position of the layout's lamp list.
    // A position that names no lamp paints nothing.
    virtual void paint(std::uint32_t lamp, ColorWord color) = 0;
    virtual void text(std::int32_t x, std::int32_t y, std::string_view s) = 0;

    // Usage: co_await surface.wait(ms);
    static WaitFor wait(std::uint64_t ms) { return WaitFor{ms}; }
};

}  // namespace vx
