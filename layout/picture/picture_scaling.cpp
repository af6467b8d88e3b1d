#include "layout/picture/picture_scaling.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace vx {
namespace {

// Fixed-point weights: the weights of one target pixel add up to exactly
// kOne, so a plain picture stays plain and the arithmetic is the same on
// every machine.
constexpr std::uint32_t kWeightBits = 14;
constexpr std::uint32_t kOne = 1u << kWeightBits;
// Rows are kept with 8 fraction bits between the two passes.
constexpr std::uint32_t kRowShift = kWeightBits - 8;
constexpr std::uint32_t kOutShift = kWeightBits + 8;

// The source pixels one target pixel covers along one axis, and how much of
// each: taps first .. first + count - 1, weights from `weight`.
struct Footprint {
    std::int32_t first = 0;
    std::uint32_t count = 0;
    std::size_t weight = 0;  // into Footprints::weights
};

struct Footprints {
    std::vector<Footprint> pixels;
    std::vector<std::uint32_t> weights;
    std::uint32_t widest = 0;
};

Footprints footprints(std::int32_t sourceExtent, std::int32_t targetExtent) {
    Footprints out;
    out.pixels.resize(static_cast<std::size_t>(targetExtent));
    const double step = static_cast<double>(sourceExtent) / targetExtent;
    for (std::int32_t t = 0; t < targetExtent; ++t) {
        const double begin = t * step;
        const double end = std::min((t + 1) * step, static_cast<double>(sourceExtent));
        auto& fp = out.pixels[static_cast<std::size_t>(t)];
        fp.first = static_cast<std::int32_t>(begin);
        fp.weight = out.weights.size();
        const auto last = std::min(static_cast<std::int32_t>(std::ceil(end)) - 1, sourceExtent - 1);
        std::uint32_t total = 0;
        std::size_t largest = fp.weight;
        for (std::int32_t s = fp.first; s <= last; ++s) {
            const double covered = std::min(end, s + 1.0) - std::max(begin, static_cast<double>(s));
            const auto w = static_cast<std::uint32_t>(std::lround(covered / (end - begin) * kOne));
            if (out.weights.size() == fp.weight || w > out.weights[largest]) {
                largest = out.weights.size();
            }
            out.weights.push_back(w);
            total += w;
        }
        fp.count = static_cast<std::uint32_t>(out.weights.size() - fp.weight);
        // Rounding leftovers go to the largest tap.
        if (fp.count > 0) out.weights[largest] += kOne - total;
        out.widest = std::max(out.widest, fp.count);
    }
    return out;
}

// One source row filtered across: 3 channels per target pixel, 8 fraction bits.
void filterRow(const std::uint8_t* in, const Footprints& across, std::uint16_t* out) {
    const std::uint32_t* weights = across.weights.data();
    for (const Footprint& fp : across.pixels) {
        const std::uint8_t* p = in + static_cast<std::size_t>(fp.first) * 3;
        const std::uint32_t* w = weights + fp.weight;
        std::uint32_t r = 0, g = 0, b = 0;
        for (std::uint32_t k = 0; k < fp.count; ++k, p += 3) {
            r += w[k] * p[0];
            g += w[k] * p[1];
            b += w[k] * p[2];
        }
        constexpr std::uint32_t half = 1u << (kRowShift - 1);
        out[0] = static_cast<std::uint16_t>((r + half) >> kRowShift);
        out[1] = static_cast<std::uint16_t>((g + half) >> kRowShift);
        out[2] = static_cast<std::uint16_t>((b + half) >> kRowShift);
        out += 3;
    }
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

    // Each target row mixes a few consecutive source rows, each filtered
    // across once; consecutive target rows share at most their edge rows, so
    // a small ring of filtered rows (slot = row mod ring size) is enough.
    const Footprints across = footprints(source.width, width);
    const Footprints down = footprints(source.height, height);
    const std::size_t rowLength = static_cast<std::size_t>(width) * 3;
    const std::size_t ring = std::max<std::uint32_t>(down.widest, 1);
    std::vector<std::uint16_t> rows(ring * rowLength);
    std::vector<std::int32_t> rowIn(ring, -1);  // the source row each slot holds
    auto filtered = [&](std::int32_t y) {
        const std::size_t slot = static_cast<std::size_t>(y) % ring;
        std::uint16_t* row = &rows[slot * rowLength];
        if (rowIn[slot] != y) {
            filterRow(&source.rgb[source.offset(0, y)], across, row);
            rowIn[slot] = y;
        }
        return row;
    };
    Picture target(width, height);
    std::vector<std::uint32_t> sum(rowLength);
    for (std::int32_t y = 0; y < height; ++y) {
        const Footprint& fp = down.pixels[static_cast<std::size_t>(y)];
        std::fill(sum.begin(), sum.end(), 0u);
        for (std::uint32_t k = 0; k < fp.count; ++k) {
            const std::uint16_t* in = filtered(fp.first + static_cast<std::int32_t>(k));
            const std::uint32_t w = down.weights[fp.weight + k];
            for (std::size_t i = 0; i < rowLength; ++i) sum[i] += w * in[i];
        }
        std::uint8_t* out = &target.rgb[target.offset(0, y)];
        constexpr std::uint32_t half = 1u << (kOutShift - 1);
        for (std::size_t i = 0; i < rowLength; ++i) {
            out[i] = static_cast<std::uint8_t>(
                std::min<std::uint32_t>((sum[i] + half) >> kOutShift, 255));
        }
    }
    return target;
}

Picture fitPicture(const Picture& source, ViewSize client) {
    const float f = fitFactor(source.width, source.height, client);
    return scalePicture(source, shownExtent(source.width, f), shownExtent(source.height, f));
}

}  // namespace vx
