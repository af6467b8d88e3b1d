#include "engine/render/render_show.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <string_view>

#include "engine/render/gif_writer.h"
#include "engine/render/png_writer.h"
#include "platform/file_io.h"
#include "platform/file_replacement.h"

namespace vx {

namespace {
constexpr std::int32_t kDefaultCell = 12;
constexpr std::int32_t kMaxSide = 4096;
}  // namespace

RenderFrame renderFrame(std::span<const Lamp> lamps, const RenderSettings& settings) {
    const CellRect bounds = allLampBounds(lamps);
    RenderFrame frame;
    if (settings.width > 0 && settings.height > 0) {
        frame.width = settings.width;
        frame.height = settings.height;
        frame.cellSize = settings.cellSize > 0 ? std::min(settings.cellSize, kMaxCellSize)
                                               : fitCellSize(bounds, frame.width, frame.height);
        return frame;
    }
    frame.cellSize =
        settings.cellSize > 0 ? std::min(settings.cellSize, kMaxCellSize) : kDefaultCell;
    const std::int64_t w = (std::int64_t{bounds.right} - bounds.left + 2) * frame.cellSize;
    const std::int64_t h = (std::int64_t{bounds.bottom} - bounds.top + 2) * frame.cellSize;
    frame.width = static_cast<std::int32_t>(std::clamp<std::int64_t>(w, 1, kMaxSide));
    frame.height = static_cast<std::int32_t>(std::clamp<std::int64_t>(h, 1, kMaxSide));
    return frame;
}

namespace {

// Plays the show and hands every frame to `take` with its number and its
// delay in hundredths of a second.
template <class Take>
Status renderFrames(std::span<const Lamp> lamps, const CompiledEffects& effects,
                    const PlayRequest& request, const RenderSettings& settings,
                    const RenderFrame& frame, Take take) {
    const PlayGeometry geometry(allLampBounds(lamps), frame.cellSize, frame.width, frame.height);
    PlayRequest played = request;
    played.surfaceWidth = frame.width;
    Playback playback(effects, lamps.size(), played);
    Picture image(frame.width, frame.height);
    const auto frames = static_cast<std::int64_t>(std::ceil(settings.seconds * settings.fps));
    for (std::int64_t k = 0; k < frames; ++k) {
        if (settings.stopRequested && settings.stopRequested()) {
            return Error{"ERR_RENDER_STOPPED", "the render was stopped", std::nullopt};
        }
        playback.runUntil(k * 1000 / settings.fps);
        drawLamps(image, lamps, playback.lampColors(), geometry, settings.shape);
        // Delays spread so that they add up exactly.
        const auto delay =
            static_cast<std::int32_t>((k + 1) * 100 / settings.fps - k * 100 / settings.fps);
        if (Status s = take(image, k, delay); !s) return s;
    }
    return {};
}

// frame-00000.png ... frame-99999.png, then frame-100000.png on: what
// renderPngFrames names its files.
bool isFrameName(const std::string& name) {
    constexpr std::string_view kStart = "frame-";
    constexpr std::string_view kEnd = ".png";
    if (name.size() < kStart.size() + 5 + kEnd.size() || !name.starts_with(kStart) ||
        !name.ends_with(kEnd)) {
        return false;
    }
    const auto digits =
        std::string_view(name).substr(kStart.size(), name.size() - kStart.size() - kEnd.size());
    return std::ranges::all_of(digits, [](char c) { return c >= '0' && c <= '9'; });
}

Status removeEarlierFrames(const std::filesystem::path& folder) {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        std::error_code kind;
        if (entry.is_directory(kind) || !isFrameName(entry.path().filename().string())) continue;
        if (!std::filesystem::remove(entry.path(), error) && error) break;
    }
    if (error) {
        return Error{
            "ERR_RENDER_FOLDER",
            "cannot remove the earlier frames in " + folder.string() + ": " + error.message(),
            std::nullopt};
    }
    return {};
}

Status checkSettings(const RenderSettings& settings) {
    if (settings.fps < 1 || settings.fps > 50 || !(settings.seconds > 0) ||
        settings.seconds > 3600) {
        return Error{"ERR_RENDER_SETTINGS",
                     "fps must be 1 to 50 and seconds above 0 and at most 3600", std::nullopt};
    }
    return {};
}

}  // namespace

Status renderGif(std::span<const Lamp> lamps, const CompiledEffects& effects,
                 const PlayRequest& request, const RenderSettings& settings,
                 const std::filesystem::path& path) {
    if (Status s = checkSettings(settings); !s) return s;
    const RenderFrame frame = renderFrame(lamps, settings);
    // The picture is written beside the old one and replaces it only when
    // whole: a failed or killed run leaves the old picture as it was.
    auto replacement = FileReplacement::begin(path);
    if (!replacement) return Error{"ERR_GIF_WRITE", replacement.error().detail, std::nullopt};
    auto writer = GifWriter::open(replacement->tempPath().string(), frame.width, frame.height);
    if (!writer) return writer.error();
    const Status played = renderFrames(lamps, effects, request, settings, frame,
                                       [&](const Picture& image, std::int64_t, std::int32_t delay) {
                                           return writer->addFrame(image, delay);
                                       });
    if (!played) return played;
    if (Status closed = writer->close(); !closed) return closed;
    return replacement->commit();
}

Status renderPngFrames(std::span<const Lamp> lamps, const CompiledEffects& effects,
                       const PlayRequest& request, const RenderSettings& settings,
                       const std::filesystem::path& folder) {
    if (Status s = checkSettings(settings); !s) return s;
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error)) {
        return Error{"ERR_RENDER_FOLDER", "not a folder: " + folder.string(), std::nullopt};
    }
    const RenderFrame frame = renderFrame(lamps, settings);
    if (Status s = removeEarlierFrames(folder); !s) return s;
    return renderFrames(lamps, effects, request, settings, frame,
                        [&](const Picture& image, std::int64_t k, std::int32_t) {
                            char name[32];
                            std::snprintf(name, sizeof name, "frame-%05lld.png",
                                          static_cast<long long>(k));
                            return writeFileAtomically(folder / name, encodePng(image));
                        });
}

}  // namespace vx
