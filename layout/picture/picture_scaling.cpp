#include "layout/picture/picture_scaling.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace vx {
namespace {

// The source pixels one target pixel covers along one axis, and how much of
// each: weights of one target pixel add up to 1.
struct Footprint {
    std::int32_t first = 0;
    std::vector<float> weights;
};

std::vector<Footprint> footprints(std::int32_t sourceExtent, std::int32_t targetExtent) {
    std::vector<Footprint> out(static_cast<std::size_t>(targetExtent));
    const double step = static_cast<double>(sourceExtent) / targetExtent;
    for (std::int32_t t = 0; t < targetExtent; ++t) {
        const double begin = t * step;
        const double end = std::min((t + 1) * step, static_cast<double>(sourceExtent));
        auto& fp = out[static_cast<std::size_t>(t)];
        fp.first = static_cast<std::int32_t>(begin);
        const auto last = std::min(static_cast<std::int32_t>(std::ceil(end)) - 1, sourceExtent - 1);
        for (std::int32_t s = fp.first; s <= last; ++s) {
            const double covered = std::min(end, s + 1.0) - std::max(begin, static_cast<double>(s));
            fp.weights.push_back(static_cast<float>(covered / (end - begin)));
        }
    }
    return out;
}

std::uint8_t toByte(float value) {
    return static_cast<std::uint8_t>(std::clamp(std::lround(value), 0L, 255L));
}

}  // namespace

float fitFactor(std::int32_t pictureWidth, std::int32_t pictureHeight, ViewSize client) {
    if (pictureWidth <= 0 || pictureHeight <= 0 || client.width <= 0 || client.height <= 0) {
        return 0.0f;
    }
    const float across = static_cast<float>(client.width) / static_cast<float>(pictureWidth);
    const float down = static_cast<float>(client.height) / static_cast<float>(pictureHeight);
    return std::min(across, down);
}

std::int32_t shownExtent(std::int32_t extent, float factor) {
    return static_cast<std::int32_t>(static_cast<float>(extent) * factor);
}

Picture scalePicture(const Picture& source, std::int32_t width, std::int32_t height) {
    if (source.empty() || width <= 0 || height <= 0) return Picture{};
    if (width == source.width && height == source.height) return source;

    // Rows first into a float buffer as wide as the target, then columns.
    const auto across = footprints(source.width, width);
    const auto down = footprints(source.height, height);
    const auto w = static_cast<std::size_t>(width);
    std::vector<float> rows(w * static_cast<std::size_t>(source.height) * 3, 0.0f);
    for (std::int32_t y = 0; y < source.height; ++y) {
        const std::uint8_t* in = &source.rgb[source.offset(0, y)];
        float* out = &rows[static_cast<std::size_t>(y) * w * 3];
        for (std::size_t x = 0; x < w; ++x) {
            const auto& fp = across[x];
            float r = 0, g = 0, b = 0;
            for (std::size_t k = 0; k < fp.weights.size(); ++k) {
                const std::uint8_t* p = in + (static_cast<std::size_t>(fp.first) + k) * 3;
                r += fp.weights[k] * p[0];
                g += fp.weights[k] * p[1];
                b += fp.weights[k] * p[2];
            }
            out[x * 3] = r;
            out[x * 3 + 1] = g;
            out[x * 3 + 2] = b;
        }
    }
    Picture target(width, height);
    std::vector<float> sum(w * 3);
    for (std::int32_t y = 0; y < height; ++y) {
        const auto& fp = down[static_cast<std::size_t>(y)];
        std::fill(sum.begin(), sum.end(), 0.0f);
        for (std::size_t k = 0; k < fp.weights.size(); ++k) {
            const float* in = &rows[(static_cast<std::size_t>(fp.first) + k) * w * 3];
            for (std::size_t i = 0; i < w * 3; ++i) sum[i] += fp.weights[k] * in[i];
        }
        std::uint8_t* out = &target.rgb[target.offset(0, y)];
        for (std::size_t i = 0; i < w * 3; ++i) out[i] = toByte(sum[i]);
    }
    return target;
}

Picture fitPicture(const Picture& source, ViewSize client) {
    const float f = fitFactor(source.width, source.height, client);
    return scalePicture(source, shownExtent(source.width, f), shownExtent(source.height, f));
}

}  // namespace vx
