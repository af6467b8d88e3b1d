// vexolume-cli firmware FILE --format 1|2|3 [-o DIR]: Create BIN File without
// a window. Builds the controller image of a layout with the 8051 toolchain
// in the tool folder and leaves "<name><format>.hex" in DIR (created when
// missing). Each build works in a private folder, so builds sharing a tool
// folder or an output folder run side by side. Ctrl-C, SIGQUIT, SIGTERM and
// SIGHUP end the toolchain step in hand and the build, whose files go with
// it; the command then exits with 128 + the signal's number.

#include <filesystem>
#include <iostream>
#include <memory>
#include <string>

#include "cli/command.h"
#include "cli/report.h"
#include "layout/layout_json.h"
#include "output/firmware/firmware_build.h"
#include "platform/data_folder.h"
#include "platform/language/language_table.h"
#include "platform/stop_signals.h"
#include "platform/tool_folder.h"

namespace vx::cli {
namespace {

struct FirmwareOptions {
    std::string input;
    std::string folder = ".";
    std::string format = "1";
};

int runFirmware(const FirmwareOptions& options) {
    auto layout = readLayoutFile(options.input);
    if (!layout) return fail(layout.error());
    auto tools = ensureToolFolder();
    if (!tools) return fail(tools.error());
    StopSignals signals;

    const LanguageTable table = englishTable();
    auto text = [&table](const std::string& key) {
        const std::string found = table.LookUpText(key);
        return found.empty() ? key : found;
    };

    FirmwareBuildOptions build;
    build.text = text;
    build.format = options.format;
    build.workFolder = std::filesystem::absolute(options.folder).lexically_normal();
    build.toolFolder = *tools;
    build.documentName = std::filesystem::path(options.input).filename().string();
    build.waiting = [&build] {
        std::cerr << "waiting for another build writing into " << build.workFolder.string() << '\n';
    };
    build.stopFd = signals.fd();
    build.cancelled = [&signals] { return signals.received() != 0; };
    int shown = -1;
    build.progress = [&shown](int percent) {
        if (percent / 10 == shown / 10 && percent != 100) return;
        shown = percent;
        std::cerr << "\rbuilding firmware: " << percent << "%" << std::flush;
    };
    const FirmwareBuildResult result = buildFirmware(*layout, build);
    std::cerr << '\n';
    for (const Error& message : result.messages) {
        if (message.key == "ID_MSG_CBINDLG_CREATE") continue;
        std::cerr << "vexolume-cli: " << messageText(message) << '\n';
    }
    std::cout << result.report;
    if (const int sig = signals.received(); result.cancelled && sig != 0) {
        return stopped(sig, Error{"ERR_FIRMWARE_STOPPED", ""});
    }
    if (!result.completed) return 1;
    std::cout << "image: " << result.image.string() << '\n';
    return 0;
}

}  // namespace

void addFirmwareCommand(CLI::App& app, int& status) {
    auto options = std::make_shared<FirmwareOptions>();
    auto* cmd = app.add_subcommand(
        "firmware", "Build the controller firmware image of a layout (Create BIN File)");
    cmd->add_option("file", options->input, "the layout file (.led, .lam or .json)")->required();
    cmd->add_option("--format", options->format, "1 (256 Clusters), 2 (512) or 3 (VELD 1000)")
        ->check(CLI::IsMember({"1", "2", "3"}));
    cmd->add_option("-o,--output", options->folder, "the working folder for the image");
    cmd->callback([options, &status] { status = runFirmware(*options); });
}

}  // namespace vx::cli
