// vexolume-cli render FILE (--program N | --parallel | --sequential |
// --partial A B) --seconds S --fps F -o OUT: the playback as an animated GIF,
// or as numbered PNG frames when OUT is a folder; lamps drawn on black as
// the demo view draws them. The output's name picks the format, and a name
// that picks none is refused. An existing GIF is replaced only by a complete
// one; Ctrl-C, SIGQUIT and SIGTERM stop the render between frames and leave
// no unfinished file behind.

#include <poll.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <iostream>
#include <map>
#include <memory>
#include <span>
#include <string>

#include "cli/command.h"
#include "cli/exit_status.h"
#include "cli/option_checks.h"
#include "cli/play_source.h"
#include "cli/report.h"
#include "engine/render/render_show.h"
#include "platform/stop_signals.h"

namespace vx::cli {

constexpr long long kMaxSurface = 4096;

namespace {

namespace fs = std::filesystem;

using RenderWriter = Status (*)(std::span<const Lamp>, const CompiledEffects&, const PlayRequest&,
                                const RenderSettings&, const fs::path&);

// The file formats, by the output name's extension (in any case); a folder
// takes PNG frames. One line a format.
struct RenderFormat {
    const char* extension;
    RenderWriter write;
};
constexpr RenderFormat kFileFormats[] = {
    {".gif", renderGif},
};

constexpr RenderFormat kFrameFolder{"", renderPngFrames};

Result<RenderFormat> formatFor(const fs::path& out) {
    std::error_code error;
    if (fs::is_directory(out, error)) return kFrameFolder;
    std::string extension = out.extension().string();
    std::ranges::transform(extension, extension.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    for (const auto& format : kFileFormats) {
        if (extension == format.extension) return format;
    }
    std::string known;
    for (const auto& format : kFileFormats)
        known += std::string(known.empty() ? "" : ", ") + format.extension;
    return Error{"ERR_CLI_OUTPUT_NAME",
                 out.string() + ": name a file " + known + " or an existing folder for PNG frames"};
}

bool stopSignalled(const StopSignals& signals) {
    pollfd p{signals.fd(), POLLIN, 0};
    return signals.fd() >= 0 && ::poll(&p, 1, 0) > 0;
}

}  // namespace

void addRenderCommand(CLI::App& app, int& status) {
    auto options = std::make_shared<PlayOptions>();
    auto settings = std::make_shared<RenderSettings>();
    auto out = std::make_shared<std::string>();
    CLI::App* cmd =
        app.add_subcommand("render", "Write a playback as an animated GIF or PNG frames");
    addPlayOptions(*cmd, *options);
    cmd->add_option("--seconds", settings->seconds, "length of the animation")
        ->required()
        ->check(finiteIn(0.001, 3600));
    cmd->add_option("--fps", settings->fps, "frames per second (1-50)")
        ->required()
        ->check(wholeIn(1, 50));
    cmd->add_option("-o,--output", *out,
                    "the animation to write (.gif), or an existing folder for PNG frames")
        ->required();
    // A picture of 4096 x 4096 pixels is 48 MB a frame; larger ones help no one.
    auto* width =
        cmd->add_option("--width", settings->width, "surface width in pixels (with --height)")
            ->check(wholeIn(1, kMaxSurface));
    auto* height =
        cmd->add_option("--height", settings->height, "surface height in pixels (with --width)")
            ->check(wholeIn(1, kMaxSurface));
    width->needs(height);
    height->needs(width);
    cmd->add_option("--cell", settings->cellSize, "lamp cell size in pixels (1-20)")
        ->check(wholeIn(1, 20));
    const std::map<std::string, CellShape> shapes{{"round", CellShape::Rounded},
                                                  {"square", CellShape::Square}};
    cmd->add_option("--shape", settings->shape, "lamp shape: round or square")
        ->transform(CLI::CheckedTransformer(shapes, CLI::ignore_case));
    cmd->callback([options, settings, out, &status] {
        if (const Status range = checkModeRange(options->partial); !range) {
            std::cerr << "vexolume-cli render: " << messageText(range.error()) << '\n';
            status = kExitUsage;
            return;
        }
        const auto format = formatFor(*out);
        if (!format) {
            status = fail(format.error());
            return;
        }
        auto source = loadPlaySource(*options);
        if (!source) {
            std::cerr << "vexolume-cli render: " << source.error().describe() << '\n';
            status = exitStatusFor(source.error());
            return;
        }
        StopSignals signals;
        RenderSettings run = *settings;
        run.stopRequested = [&signals] { return stopSignalled(signals); };
        const Status written =
            format->write(source->layout.lamps, source->effects, source->request, run, *out);
        if (!written && written.error().key == "ERR_RENDER_STOPPED") {
            status = stopped(signals.received(), written.error());
            return;
        }
        if (!written) {
            std::cerr << "vexolume-cli render: " << written.error().describe() << '\n';
            status = kExitFailed;
            return;
        }
        status = kExitDone;
    });
}

}  // namespace vx::cli
