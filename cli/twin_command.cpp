// vexolume-cli twin FILE --program N --seconds S [--json]: builds the
// controller image of a layout, runs it in the simulator with program N
// chosen by the program key, and compares every DMX frame it sends with the
// preview of the same program group on one clock. Exits 0 when the two agree
// apart from the documented differences (each named), 3 when they differ
// otherwise, 1 when the run fails.

#include <cmath>
#include <filesystem>
#include <iostream>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>

#include "cli/command.h"
#include "cli/option_checks.h"
#include "cli/report.h"
#include "engine/compile/compile_effects.h"
#include "layout/layout_json.h"
#include "output/twin/twin_image.h"
#include "output/twin/twin_run.h"
#include "platform/private_folder.h"
#include "platform/stop_signals.h"
#include "platform/tool_folder.h"

namespace vx::cli {
namespace {

struct TwinOptions {
    std::string input;
    std::size_t program = 0;
    double seconds = 10.0;
    std::string format = "1";
    bool json = false;
};

constexpr int kDiffers = 3;
// The program's first frame comes within a refresh period of the last key.
constexpr double kFirstFrameWait = 2.0;

nlohmann::json pointJson(const TwinPoint& point, const std::vector<Mode>& modes) {
    nlohmann::json out{{"ms", point.ms}, {"lamp", point.lamp}, {"mode", point.mode}};
    if (point.mode >= 0 && static_cast<std::size_t>(point.mode) < modes.size()) {
        out["kind"] = modes[static_cast<std::size_t>(point.mode)].kind;
        out["playKind"] = modes[static_cast<std::size_t>(point.mode)].playKind;
    }
    return out;
}

std::string modeText(std::int32_t mode, const std::vector<Mode>& modes) {
    if (mode < 0 || static_cast<std::size_t>(mode) >= modes.size()) return "no mode";
    const Mode& m = modes[static_cast<std::size_t>(mode)];
    return "mode " + std::to_string(mode) + " " + m.kind + " (PlayKind " +
           std::to_string(m.playKind) + ")";
}

void printText(const TwinReport& report, const std::vector<Mode>& modes) {
    std::cout << "frames compared: " << report.framesCompared << '\n'
              << "agree: " << report.frames[0] << '\n';
    for (std::size_t v = 1; v < kTwinVerdictCount; ++v) {
        const auto verdict = static_cast<TwinVerdict>(v);
        if (report.frames[v] == 0) continue;
        std::cout << (isDocumented(verdict) ? "documented " : "") << twinVerdictName(verdict)
                  << ": " << report.frames[v] << " frames\n";
    }
    for (const TwinModeCount& entry : report.byMode) {
        std::cout << "  " << modeText(entry.mode, modes) << ':';
        for (std::size_t v = 1; v < kTwinVerdictCount; ++v) {
            if (entry.frames[v] != 0) {
                std::cout << ' ' << twinVerdictName(static_cast<TwinVerdict>(v)) << ' '
                          << entry.frames[v];
            }
        }
        std::cout << '\n';
    }
    auto printPoint = [&modes](const char* title, TwinVerdict verdict, const TwinPoint& p) {
        std::cout << title << twinVerdictName(verdict) << " at " << p.ms << " ms, lamp " << p.lamp
                  << ", " << modeText(p.mode, modes) << '\n';
    };
    if (report.first) printPoint("first difference: ", report.first->first, report.first->second);
    if (report.firstUnexplained && report.first &&
        report.first->first != TwinVerdict::Unexplained) {
        printPoint("first unexplained difference: ", TwinVerdict::Unexplained,
                   *report.firstUnexplained);
    }
    std::cout << (report.agrees() ? "the controller agrees with the preview"
                                  : "the controller differs from the preview")
              << (report.framesDiffering != 0 && report.agrees()
                      ? " apart from the documented differences\n"
                      : "\n");
}

void printJson(const TwinOptions& options, const TwinReport& report,
               const std::vector<Mode>& modes) {
    nlohmann::json out;
    out["program"] = options.program;
    out["seconds"] = options.seconds;
    out["windowMs"] = kTwinWindowMs;
    out["framesCompared"] = report.framesCompared;
    out["agrees"] = report.agrees();
    nlohmann::json verdicts = nlohmann::json::object();
    for (std::size_t v = 0; v < kTwinVerdictCount; ++v) {
        verdicts[twinVerdictName(static_cast<TwinVerdict>(v))] = report.frames[v];
    }
    out["frames"] = verdicts;
    out["byMode"] = nlohmann::json::array();
    for (const TwinModeCount& entry : report.byMode) {
        nlohmann::json mode = pointJson(TwinPoint{0, 0, entry.mode}, modes);
        mode.erase("ms");
        mode.erase("lamp");
        nlohmann::json counts = nlohmann::json::object();
        for (std::size_t v = 1; v < kTwinVerdictCount; ++v) {
            if (entry.frames[v] != 0)
                counts[twinVerdictName(static_cast<TwinVerdict>(v))] = entry.frames[v];
        }
        mode["frames"] = counts;
        out["byMode"].push_back(mode);
    }
    out["first"] = nullptr;
    if (report.first) {
        out["first"] = pointJson(report.first->second, modes);
        out["first"]["verdict"] = twinVerdictName(report.first->first);
        out["first"]["documented"] = isDocumented(report.first->first);
    }
    out["firstUnexplained"] = nullptr;
    if (report.firstUnexplained)
        out["firstUnexplained"] = pointJson(*report.firstUnexplained, modes);
    std::cout << out.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
}

int runTwin(const TwinOptions& options) {
    auto layout = readLayoutFile(options.input);
    if (!layout) return fail(layout.error());
    const CompiledEffects effects = compileEffects(*layout);
    if (options.program >= effects.programGroups.size() ||
        effects.programGroups[options.program].empty()) {
        return fail(Error{"ERR_TWIN_PROGRAM",
                          "program group " + std::to_string(options.program) + " has no modes"});
    }
    auto tools = ensureToolFolder();
    if (!tools) return fail(tools.error());

    StopSignals signals;
    auto scratch = PrivateFolder::create(std::filesystem::temp_directory_path(), "vexolume-twin-");
    if (!scratch) return fail(scratch.error());
    FirmwareBuildOptions build;
    build.format = options.format;
    build.workFolder = scratch->path() / "work";
    build.toolFolder = *tools;
    build.documentName = std::filesystem::path(options.input).filename().string();
    build.waiting = [&build] {
        std::cerr << "waiting for another firmware build in " << build.toolFolder.string() << '\n';
    };
    build.cancelled = [&signals] { return signals.received() != 0; };
    // A stop signal ends the build or the simulator; the command then ends as
    // the signal would.
    auto failed = [&signals](const Error& error) {
        const bool stopped = signals.received() != 0 || error.key == "ERR_SIM_STOPPED";
        return stopped ? stoppedStatus(signals, error) : fail(error);
    };
    auto image = buildTwinImage(*layout, build);
    if (!image) return failed(image.error());

    TwinRunOptions run;
    run.program = options.program;
    run.image = *image;
    run.scratch = scratch->path();
    run.stopFd = signals.fd();
    auto twin = TwinRun::start(*layout, effects, run);
    if (!twin) return failed(twin.error());
    while (!(*twin)->started()) {
        if ((*twin)->controllerSeconds() > (*twin)->selectedAt() + kFirstFrameWait) {
            return fail(Error{"ERR_SIM_IMAGE", "the controller sent no frame for the program"});
        }
        if (auto none = (*twin)->runTo(options.seconds); !none) return failed(none.error());
    }
    if (auto rest = (*twin)->runTo(options.seconds); !rest) return failed(rest.error());
    const TwinReport& report = (*twin)->comparer().report();
    if (options.json) {
        printJson(options, report, (*twin)->comparer().modes());
    } else {
        printText(report, (*twin)->comparer().modes());
    }
    return report.agrees() ? 0 : kDiffers;
}

}  // namespace

void addTwinCommand(CLI::App& app, int& status) {
    auto options = std::make_shared<TwinOptions>();
    auto* cmd = app.add_subcommand(
        "twin", "Run the built controller image in the simulator and compare it with the preview");
    cmd->add_option("file", options->input, "the layout file (.led, .lam or .json)")->required();
    cmd->add_option("--program", options->program, "the program group, 0 to 31")
        ->required()
        ->check(wholeIn(0, 31));
    cmd->add_option("--seconds", options->seconds, "seconds of the program to compare")
        ->required()
        ->check(finiteIn(0.1, 600.0));
    cmd->add_option("--format", options->format, "1 (256 Clusters), 2 (512) or 3 (VELD 1000)")
        ->check(CLI::IsMember({"1", "2", "3"}));
    cmd->add_flag("--json", options->json, "print the comparison as JSON");
    cmd->callback([options, &status] { status = runTwin(*options); });
}

}  // namespace vx::cli
