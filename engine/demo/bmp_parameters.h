#pragma once
// The bitmap parameters file ("bmp.h"): where the background picture lies
// under the lamps, relative to the cell size about the view centre, so that
// it keeps its place when the cell size or the window size changes. One
// record: a length byte, then the text "%f,%f,%f,%d," (normalised x, y,
// scale and the placement-pending value 2).

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vx {

struct PicturePlacement {
    std::int32_t x = 0;  // top-left corner on the view, pixels
    std::int32_t y = 0;
    double scale = 1.0;
    bool operator==(const PicturePlacement&) const = default;
};

struct NormalisedPlacement {
    double x = 0.0;
    double y = 0.0;
    double scale = 1.0;
    bool operator==(const NormalisedPlacement&) const = default;
};

NormalisedPlacement normalisePlacement(const PicturePlacement& picture, std::int32_t cellSize,
                                       std::int32_t width, std::int32_t height);
PicturePlacement placeFromNormalised(const NormalisedPlacement& n, std::int32_t cellSize,
                                     std::int32_t width, std::int32_t height);

// The file's bytes for a placement.
std::vector<std::uint8_t> encodeBmpParameters(const NormalisedPlacement& n);

// What a file gives: each of the four fields when present and readable.
// Fields missing from the text leave the values they would set unchanged.
struct BmpParameters {
    std::optional<double> x, y, scale;
    std::optional<std::int32_t> pending;
};
BmpParameters decodeBmpParameters(const std::vector<std::uint8_t>& bytes);

}  // namespace vx
