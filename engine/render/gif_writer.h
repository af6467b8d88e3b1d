#pragma once
// Writes an animated GIF that loops forever. Each frame stores only the
// rectangle that changed since the frame before, with its own colour table:
// exact when the rectangle has at most 256 colours, else a fixed 3-3-2
// palette. A frame equal to the one before only lengthens that one's delay.

#include <cstdint>
#include <memory>
#include <string>

#include "base/result.h"
#include "layout/picture/picture.h"

namespace vx {

class GifWriter {
public:
    static Result<GifWriter> open(const std::string& path, std::int32_t width, std::int32_t height);

    GifWriter(GifWriter&&) noexcept;
    GifWriter& operator=(GifWriter&&) noexcept;
    ~GifWriter();

    // delay in hundredths of a second. The image must have the size given
    // to open().
    Status addFrame(const Picture& image, std::int32_t delayCs);
    // Writes the last frame and closes the file; needed for a complete file.
    Status close();

private:
    struct State;
    explicit GifWriter(std::unique_ptr<State> state);
    Status flush();
    std::unique_ptr<State> state_;
};

}  // namespace vx
