// vexolume-cli scan PICTURE --view WxH ...: scans a picture of an
// installation for lamps as the layout view does, with the picture fitted to
// a view of the given client size, and writes the layout.

#include <cstdio>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli/command.h"
#include "cli/exit_status.h"
#include "cli/layout_output.h"
#include "cli/option_checks.h"
#include "cli/report.h"
#include "layout/picture/picture_decoder.h"
#include "layout/picture/picture_scaling.h"
#include "layout/scan/lattice_scan.h"
#include "layout/scan/scan_settings.h"

namespace vx::cli {
namespace {

struct ScanOptions {
    std::string picture;
    std::string view;
    std::vector<int> backColor;  // R, G, B
    std::vector<int> scope;      // left, top, right, bottom
    std::optional<double> objectSize;
    std::optional<double> lampSize;
    std::optional<std::int64_t> tolerance;
    std::string output;
};

std::optional<ViewSize> parseView(const std::string& text) {
    int w = 0;
    int h = 0;
    char x = 0;
    char rest = 0;
    if (std::sscanf(text.c_str(), "%d%c%d%c", &w, &x, &h, &rest) != 3 || (x != 'x' && x != 'X')) {
        return std::nullopt;
    }
    if (w <= 0 || h <= 0 || w > 20000 || h > 20000) return std::nullopt;
    return ViewSize{w, h};
}

// A refusal of the settings dialog, said in English for the terminal: a
// value out of its range, so a wrong command line.
int refuse(const std::string& key) {
    if (key == "EDITIMGVIEW_ONSCANSETOTHER_PIT") {
        fail("--lamp-size", Error{key, "must be greater than 1 and less than 1000 (mm)"});
    } else {
        fail("--tolerance", Error{key, "must be 1 to 254"});
    }
    return kExitUsage;
}

int runScan(const ScanOptions& options) {
    const auto view = parseView(options.view);
    if (!view) {
        return fail("--view",
                    Error{"ERR_CLI_USAGE", "expected WIDTHxHEIGHT in pels, e.g. 800x600"});
    }
    auto picture = readPicture(options.picture);
    if (!picture) return fail(options.picture, picture.error());

    LampLayout layout;
    const float factor = fitFactor(picture->width, picture->height, *view);
    const Picture shown = scalePicture(*picture, shownExtent(picture->width, factor),
                                       shownExtent(picture->height, factor));
    takeShownPicture(layout, shown, picture->width, picture->height, factor);
    if (!options.backColor.empty()) {
        layout.backColor = static_cast<ColorWord>(options.backColor[0]) |
                           static_cast<ColorWord>(options.backColor[1]) << 8 |
                           static_cast<ColorWord>(options.backColor[2]) << 16;
    }
    if (!options.scope.empty()) {
        layout.scanScope =
            normalisedScope(options.scope[0], options.scope[1], options.scope[2], options.scope[3]);
    }
    ScanSettingsEntry entry = currentScanSettings(layout);
    if (options.objectSize) entry.objectSize = *options.objectSize;
    if (options.lampSize) entry.lampSize = *options.lampSize;
    if (options.tolerance) entry.colorTolerance = *options.tolerance;
    const ScanSettingsOutcome settings = acceptScanSettings(layout, entry);
    if (!settings.refusals.empty()) {
        return refuse(settings.refusals.front());
    }
    storeScanSettings(layout, settings);

    prepareScan(layout);
    const LatticeSize lattice = latticeSize(layout.scanScope, layout.lampPitch);
    auto lamps = latticeScan(shown, ScanSettingsRecord::of(layout));
    layout.lamps.insert(layout.lamps.end(), lamps.begin(), lamps.end());

    if (const Status s = writeLayoutOutput(options.output, layout); !s) {
        return fail(options.output, s.error());
    }
    std::printf("%zu lamps on a lattice of %d x %d cells, pitch %.6g pels (picture %d x %d shown "
                "at %d x %d)\n",
                layout.lamps.size(), lattice.columns, lattice.rows, layout.lampPitch,
                picture->width, picture->height, shown.width, shown.height);
    return 0;
}

}  // namespace

void addScanCommand(CLI::App& app, int& status) {
    auto options = std::make_shared<ScanOptions>();
    auto* cmd = app.add_subcommand(
        "scan", "Scan a picture of an installation for lamps and write the layout");
    cmd->add_option("picture", options->picture, "the picture (PNG, JPEG, BMP or GIF)")->required();
    cmd->add_option("--view", options->view,
                    "client size of the layout view the picture is fitted to, WIDTHxHEIGHT")
        ->required();
    cmd->add_option("--back-colour", options->backColor,
                    "background colour R,G,B (default: the shown pixel at 10,10)")
        ->delimiter(',')
        ->expected(3)
        ->check(CLI::Range(0, 255));
    cmd->add_option("--scope", options->scope,
                    "scan scope L,T,R,B in view pels (default: the shown picture less 20 pels "
                    "on the right)")
        ->delimiter(',')
        ->expected(4);
    // The lattice stops at 500 cells and a lamp is under 1000 mm: a scope
    // wider than 500 m has no lamps to find, and one under 1 mm only one.
    cmd->add_option("--object-size", options->objectSize,
                    "real width of the scan scope in mm, 1 to 500000 (default 5000)")
        ->check(finiteIn(1, 500'000));
    cmd->add_option("--lamp-size", options->lampSize,
                    "real lamp size in mm, above 1 and below 1000 (default 40)");
    cmd->add_option("--tolerance", options->tolerance,
                    "background colour scope, 1 to 254 per channel (default 25)");
    cmd->add_option("-o,--output", options->output, "the layout to write (.led, or .json)")
        ->required();
    cmd->callback([options, &status] { status = runScan(*options); });
}

}  // namespace vx::cli
