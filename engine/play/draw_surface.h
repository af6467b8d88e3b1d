#pragma once
// The drawing surface that frame routines play on: paint a lamp, draw a
// text, and wait. Painting and text are the surface's own business (a lamp
// colour table, a picture, a recorder); waiting is always a suspension of the
// routine on the playback clock.

#include <cstdint>
#include <span>
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
    // Paints lamps[i] with colors[i], in list order: the same as one paint
    // per lamp, but one call per step lets a surface skip the per-lamp
    // dispatch. colors holds at least as many entries as lamps.
    virtual void paintEach(std::span<const std::uint32_t> lamps,
                           std::span<const ColorWord> colors) {
        for (std::size_t i = 0; i < lamps.size(); ++i) paint(lamps[i], colors[i]);
    }
    // Paints every lamp of the list with one colour, in list order.
    virtual void paintAll(std::span<const std::uint32_t> lamps, ColorWord color) {
        for (const std::uint32_t lamp : lamps) paint(lamp, color);
    }
    virtual void text(std::int32_t x, std::int32_t y, std::string_view s) = 0;

    // Usage: co_await surface.wait(ms);
    static WaitFor wait(std::uint64_t ms) { return WaitFor{ms}; }
};

}  // namespace vx
