#pragma once
// The picture as the layout view shows it: scaled by one factor so that it
// fits the view's client area, drawn from the top-left corner. The scaling is
// done here, in plain arithmetic, so that the desktop program shows and the
// scan reads exactly the same pixels on every machine.

#include <cstdint>

#include "layout/picture/picture.h"

namespace vx {

struct ViewSize {
    std::int32_t width = 0;
    std::int32_t height = 0;
    bool operator==(const ViewSize&) const = default;
};

// The smaller of client width / picture width and client height / picture
// height, in single precision as the view computes it. 0 for an empty
// picture or client area.
float fitFactor(std::int32_t pictureWidth, std::int32_t pictureHeight, ViewSize client);

// trunc(extent x factor): the size of the picture on screen.
std::int32_t shownExtent(std::int32_t extent, float factor);

// Resamples to width x height by averaging each target pixel's footprint in
// the source (a box filter), so that shrinking keeps small lamps visible as
// blended dots instead of dropping them between samples.
Picture scalePicture(const Picture& source, std::int32_t width, std::int32_t height);

// The picture scaled by fitFactor to the client area.
Picture fitPicture(const Picture& source, ViewSize client);

}  // namespace vx
