// vexolume-cli render FILE (--program N | --parallel | --sequential |
// --partial A B) --seconds S --fps F -o OUT: the playback as an animated GIF,
// or as numbered PNG frames when OUT is a folder; lamps drawn on black as
// the demo view draws them. An existing GIF is replaced only by a complete one.

#include <filesystem>
#include <iostream>
#include <map>
#include <memory>
#include <string>

#include "cli/command.h"
#include "cli/option_checks.h"
#include "cli/play_source.h"
#include "cli/report.h"
#include "engine/render/render_show.h"

namespace vx::cli {

constexpr long long kMaxSurface = 4096;

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
    cmd->add_option("-o,--output", *out, "GIF file to write, or a folder for PNG frames")
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
            status = 1;
            return;
        }
        auto source = loadPlaySource(*options);
        if (!source) {
            std::cerr << "vexolume-cli render: " << source.error().describe() << '\n';
            status = 1;
            return;
        }
        std::error_code error;
        const bool folder = std::filesystem::is_directory(*out, error);
        const Status written = folder ? renderPngFrames(source->layout.lamps, source->effects,
                                                        source->request, *settings, *out)
                                      : renderGif(source->layout.lamps, source->effects,
                                                  source->request, *settings, *out);
        if (!written) {
            std::cerr << "vexolume-cli render: " << written.error().describe() << '\n';
            status = 1;
            return;
        }
        status = 0;
    });
}

}  // namespace vx::cli
