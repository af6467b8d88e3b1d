#pragma once
// Plays compiled effects on the virtual clock and writes what the demo
// surface would show, frame by frame, as an animated GIF or as PNG files.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>
#include <string>

#include "base/result.h"
#include "engine/compiled_effects.h"
#include "engine/play/playback.h"
#include "engine/render/lamp_picture.h"
#include "layout/lamp.h"

namespace vx {

struct RenderSettings {
    double seconds = 10.0;
    std::int32_t fps = 10;  // 1 .. 50
    // Surface size in pixels; 0 sizes it to the layout at `cellSize`.
    std::int32_t width = 0;
    std::int32_t height = 0;
    // 0: computed from the surface size as the demo view does.
    std::int32_t cellSize = 0;
    CellShape shape = CellShape::Rounded;
    // Asked before each frame; true ends the render with "ERR_RENDER_STOPPED",
    // its unfinished files removed.
    std::function<bool()> stopRequested;
};

// The surface size and cell size the settings give for these lamps: an
// explicit size fits the cell size to it unless one is given; no size makes
// a surface one cell wider than the lamps on each side (cell size 12 unless
// given).
struct RenderFrame {
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::int32_t cellSize = 0;
};
RenderFrame renderFrame(std::span<const Lamp> lamps, const RenderSettings& settings);

// Frame k shows the lamps at time floor(k x 1000 / fps) ms. The GIF replaces
// the file at `path` only once it is complete (file_replacement.h).
Status renderGif(std::span<const Lamp> lamps, const CompiledEffects& effects,
                 const PlayRequest& request, const RenderSettings& settings,
                 const std::filesystem::path& path);
// The same frames as PNG files frame-00000.png, frame-00001.png ... in an
// existing folder. The frames of an earlier render there are removed first
// (only files named so), so the folder holds this render's frames alone.
Status renderPngFrames(std::span<const Lamp> lamps, const CompiledEffects& effects,
                       const PlayRequest& request, const RenderSettings& settings,
                       const std::filesystem::path& folder);

}  // namespace vx
