#pragma once
// A photo-like picture of an installation for scanning: a grid of glowing
// lamps on a dark, unevenly lit wall with sensor noise. Some places of the
// grid hold no lamp, one lamp is dead, and a reflection shines where no lamp
// is, as on a real photograph. The tests and benchmarks scan it.

#include <cstdint>

#include "layout/picture/picture.h"

namespace vx {

struct LampWallPlan {
    std::int32_t width = 800;
    std::int32_t height = 600;
    std::int32_t columns = 14;
    std::int32_t rows = 9;
    double originX = 75;  // centre of the top-left lamp, in pels
    double originY = 80;
    double spacing = 50;  // pels between lamp centres
    double radius = 14;   // lamp disc radius
    std::uint32_t seed = 20261206;
};

// Grid places with no lamp (the top-right corner is cut away), the dead lamp
// and the reflection, in grid cells.
bool lampWallHasLamp(std::int32_t column, std::int32_t row, const LampWallPlan& plan);
inline constexpr std::int32_t kDeadLampColumn = 5;
inline constexpr std::int32_t kDeadLampRow = 4;
inline constexpr std::int32_t kGlareColumn = 13;  // the reflection lies in the cut-away corner
inline constexpr std::int32_t kGlareRow = 0;

Picture makeLampWall(const LampWallPlan& plan);

}  // namespace vx
