#include "engine/render/gif_writer.h"

#include <fcntl.h>
#include <gif_lib.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <unordered_map>
#include <vector>

namespace vx {

struct GifWriter::State {
    GifFileType* file = nullptr;
    std::string path;
    std::int32_t width = 0;
    std::int32_t height = 0;
    Picture pending;
    std::int32_t pendingDelay = 0;
    bool hasPending = false;
    Picture written;  // what the file shows after its last frame
    bool hasWritten = false;

    State() = default;
    State(const State&) = delete;
    State& operator=(const State&) = delete;
    ~State() {
        int code = 0;
        if (file != nullptr) EGifCloseFile(file, &code);
    }
};

namespace {

Error gifError(const std::string& what, const std::string& path, int code) {
    return Error{"ERR_GIF_WRITE", what + " " + path + ": " + GifErrorString(code), std::nullopt};
}

struct Region {
    std::int32_t left = 0, top = 0, width = 0, height = 0;
};

// The pixel as 0xRRGGBB, the order of the GIF palette.
std::uint32_t rgbAt(const Picture& image, std::int32_t x, std::int32_t y) {
    const std::uint8_t* p = &image.rgb[image.offset(x, y)];
    return std::uint32_t{p[0]} << 16 | std::uint32_t{p[1]} << 8 | p[2];
}

// The smallest rectangle holding every pixel that differs between the two
// images; empty when they are equal.
Region changedRegion(const Picture& before, const Picture& after) {
    std::int32_t left = after.width, top = after.height, right = -1, bottom = -1;
    for (std::int32_t y = 0; y < after.height; ++y) {
        for (std::int32_t x = 0; x < after.width; ++x) {
            if (rgbAt(before, x, y) == rgbAt(after, x, y)) continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    if (right < 0) return {};
    return {left, top, right - left + 1, bottom - top + 1};
}

// Colour table and indices of one frame.
struct Indexed {
    std::vector<GifColorType> colors;
    std::vector<GifPixelType> indices;
};

// Indices of the region's pixels, row by row.
Indexed indexFrame(const Picture& image, const Region& region) {
    const std::size_t count =
        static_cast<std::size_t>(region.width) * static_cast<std::size_t>(region.height);
    const auto pixel = [&](std::size_t i) {
        const auto w = static_cast<std::size_t>(region.width);
        return rgbAt(image, region.left + static_cast<std::int32_t>(i % w),
                     region.top + static_cast<std::int32_t>(i / w));
    };
    Indexed out;
    out.indices.resize(count);
    std::unordered_map<std::uint32_t, GifPixelType> seen;
    bool exact = true;
    for (std::size_t i = 0; i < count && exact; ++i) {
        const std::uint32_t rgb = pixel(i);
        auto it = seen.find(rgb);
        if (it == seen.end()) {
            if (seen.size() == 256) {
                exact = false;
                break;
            }
            it = seen.emplace(rgb, static_cast<GifPixelType>(seen.size())).first;
            out.colors.push_back(GifColorType{static_cast<GifByteType>(rgb >> 16),
                                              static_cast<GifByteType>(rgb >> 8),
                                              static_cast<GifByteType>(rgb)});
        }
        out.indices[i] = it->second;
    }
    if (exact) return out;
    out.colors.clear();
    for (unsigned i = 0; i < 256; ++i) {
        out.colors.push_back(GifColorType{static_cast<GifByteType>((i >> 5) * 255 / 7),
                                          static_cast<GifByteType>(((i >> 2) & 7) * 255 / 7),
                                          static_cast<GifByteType>((i & 3) * 255 / 3)});
    }
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint32_t rgb = pixel(i);
        const unsigned r = ((rgb >> 16) & 0xFF) * 7 / 255;
        const unsigned g = ((rgb >> 8) & 0xFF) * 7 / 255;
        const unsigned b = (rgb & 0xFF) * 3 / 255;
        out.indices[i] = static_cast<GifPixelType>(r << 5 | g << 2 | b);
    }
    return out;
}

int tableSize(std::size_t colors) {
    int size = 2;
    while (static_cast<std::size_t>(size) < colors) size *= 2;
    return size;
}

}  // namespace

GifWriter::GifWriter(std::unique_ptr<State> state) : state_(std::move(state)) {}
GifWriter::GifWriter(GifWriter&&) noexcept = default;
GifWriter& GifWriter::operator=(GifWriter&&) noexcept = default;

GifWriter::~GifWriter() = default;

Result<GifWriter> GifWriter::open(const std::string& path, std::int32_t width,
                                  std::int32_t height) {
    if (width <= 0 || height <= 0 || width > 65535 || height > 65535) {
        return Error{"ERR_GIF_WRITE", "picture size out of range for " + path, std::nullopt};
    }
    int code = 0;
    auto state = std::make_unique<State>();
    state->path = path;
    state->width = width;
    state->height = height;
    // Opened here rather than by giflib, which would create the file
    // readable by its owner only.
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) return Error{"ERR_GIF_WRITE", "cannot create " + path, std::nullopt};
    state->file = EGifOpenFileHandle(fd, &code);
    if (state->file == nullptr) {
        ::close(fd);
        return gifError("cannot create", path, code);
    }
    EGifSetGifVersion(state->file, true);
    GifFileType* f = state->file;
    if (EGifPutScreenDesc(f, width, height, 8, 0, nullptr) == GIF_ERROR) {
        return gifError("cannot write", path, f->Error);
    }
    // Loop forever.
    static constexpr std::array<GifByteType, 11> kApp = {'N', 'E', 'T', 'S', 'C', 'A',
                                                         'P', 'E', '2', '.', '0'};
    static constexpr std::array<GifByteType, 3> kLoop = {1, 0, 0};
    if (EGifPutExtensionLeader(f, APPLICATION_EXT_FUNC_CODE) == GIF_ERROR ||
        EGifPutExtensionBlock(f, kApp.size(), kApp.data()) == GIF_ERROR ||
        EGifPutExtensionBlock(f, kLoop.size(), kLoop.data()) == GIF_ERROR ||
        EGifPutExtensionTrailer(f) == GIF_ERROR) {
        return gifError("cannot write", path, f->Error);
    }
    return GifWriter{std::move(state)};
}

Status GifWriter::addFrame(const Picture& image, std::int32_t delayCs) {
    if (!state_ || state_->file == nullptr)
        return Error{"ERR_GIF_WRITE", "writer is closed", std::nullopt};
    if (image.width != state_->width || image.height != state_->height) {
        return Error{"ERR_GIF_WRITE", "frame size differs from the picture size", std::nullopt};
    }
    if (state_->hasPending && state_->pending == image) {
        state_->pendingDelay += delayCs;
        return {};
    }
    if (Status s = flush(); !s) return s;
    state_->pending = image;
    state_->pendingDelay = delayCs;
    state_->hasPending = true;
    return {};
}

Status GifWriter::flush() {
    if (!state_->hasPending) return {};
    state_->hasPending = false;
    GifFileType* f = state_->file;
    // Only the part that changed since the last frame is stored; the rest of
    // the picture stays from before.
    Region region{0, 0, state_->width, state_->height};
    if (state_->hasWritten) {
        region = changedRegion(state_->written, state_->pending);
        if (region.width == 0) region = Region{0, 0, 1, 1};
    }
    const Indexed frame = indexFrame(state_->pending, region);
    GraphicsControlBlock gcb{};
    gcb.DisposalMode = DISPOSE_DO_NOT;
    gcb.DelayTime = std::clamp(state_->pendingDelay, 0, 65535);
    gcb.TransparentColor = NO_TRANSPARENT_COLOR;
    std::array<GifByteType, 4> ext{};
    const std::size_t extLength = EGifGCBToExtension(&gcb, ext.data());
    std::vector<GifColorType> colors = frame.colors;
    colors.resize(static_cast<std::size_t>(tableSize(colors.size())), GifColorType{0, 0, 0});
    ColorMapObject* map = GifMakeMapObject(static_cast<int>(colors.size()), colors.data());
    if (map == nullptr) return Error{"ERR_GIF_WRITE", "out of memory", std::nullopt};
    bool ok = EGifPutExtension(f, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(extLength),
                               ext.data()) != GIF_ERROR &&
              EGifPutImageDesc(f, region.left, region.top, region.width, region.height, false,
                               map) != GIF_ERROR;
    GifFreeMapObject(map);
    std::vector<GifPixelType> row(static_cast<std::size_t>(region.width));
    for (std::int32_t y = 0; ok && y < region.height; ++y) {
        const auto at = static_cast<std::size_t>(y) * row.size();
        std::copy_n(frame.indices.begin() + static_cast<std::ptrdiff_t>(at), row.size(),
                    row.begin());
        ok = EGifPutLine(f, row.data(), region.width) != GIF_ERROR;
    }
    if (!ok) return gifError("cannot write", state_->path, f->Error);
    std::swap(state_->written, state_->pending);
    state_->hasWritten = true;
    return {};
}

Status GifWriter::close() {
    if (!state_ || state_->file == nullptr) return {};
    Status flushed = flush();
    int code = 0;
    const int closed = EGifCloseFile(state_->file, &code);
    state_->file = nullptr;
    if (!flushed) return flushed;
    if (closed == GIF_ERROR) return gifError("cannot close", state_->path, code);
    return {};
}

}  // namespace vx
