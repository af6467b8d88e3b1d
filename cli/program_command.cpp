// vexolume-cli program FILE.hex --tool NORA-A|NORA-B [--port DEV]: Write To
// Controller without a window. Checks the image with the reader that guards
// the simulator, then starts the controller's programming tool, as
// configured in Setting.ini, in the tool folder with the image and port as
// arguments of their own, waits for it and ends with its exit status.
//
// The tool runs in a process group of its own. Ctrl-C, SIGQUIT and SIGTERM
// end that whole group (a tool's helper too, which would otherwise go on
// writing to the controller) and then the command, with 128 + the signal.

#include <chrono>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>

#include "app/settings/programmer_settings.h"
#include "cli/command.h"
#include "cli/exit_status.h"
#include "cli/report.h"
#include "output/firmware/hex_image.h"
#include "platform/data_folder.h"
#include "platform/language/language_table.h"
#include "platform/process.h"
#include "platform/settings_file.h"
#include "platform/stop_signals.h"
#include "platform/tool_folder.h"
#include "programming/programmer_launch.h"

namespace vx::cli {
namespace {

struct ProgramOptions {
    std::string image;
    std::string tool;
    std::string port;
};

int runProgram(const ProgramOptions& options) {
    // A file the simulator would refuse is never handed to a tool that
    // writes it into the controller.
    if (const auto image = readHexImage(options.image); !image) return fail(image.error());
    StopSignals signals;
    auto tools = ensureToolFolder();
    if (!tools) return fail(tools.error());
    const auto env = FolderEnvironment::fromProcess();
    const auto dataFolder = findDataFolder(env);
    auto table = LanguageTable::load(dataFolder / "Mullanguage" / "English.ini");
    const LanguageTable english = table ? *table : LanguageTable{};

    ProgrammerSettings settings =
        readProgrammerSettings(SettingsFile::locate(dataFolder, env), *tools, english);
    if (!options.port.empty()) settings.port = options.port;
    const ControllerModel model = *controllerModelNamed(options.tool);

    int exitCode = kExitDone;
    // The tool runs to its end here, so a script learns how it went.
    const ProgramStarter runToEnd = [&](const std::vector<std::string>& argv,
                                        const std::filesystem::path& folder) -> Status {
        ProcessRun run{argv, folder, std::chrono::minutes(30), std::nullopt, signals.fd()};
        auto outcome = runProcess(run);
        if (!outcome) return outcome.error();
        std::cout << outcome->output << std::flush;
        if (outcome->stopped) {
            exitCode = stopped(signals.received(),
                               Error{"ERR_PROGRAM_STOPPED", "the programming tool was stopped"});
        } else {
            exitCode = outcome->exitCode == 0 ? kExitDone : kExitFailed;
        }
        return {};
    };
    const Status started = launchProgrammer(model, settings, options.image, runToEnd);
    if (!started) {
        return fail(started.error());
    }
    return exitCode;
}

}  // namespace

void addProgramCommand(CLI::App& app, int& status) {
    auto options = std::make_shared<ProgramOptions>();
    auto* cmd = app.add_subcommand(
        "program", "Write a firmware image into the controller with its programming tool");
    cmd->add_option("file", options->image, "the firmware image (.hex)")
        ->required()
        ->check(CLI::ExistingFile);
    cmd->add_option("--tool", options->tool, "the controller: NORA-A (FlashMagic) or NORA-B (STC)")
        ->required()
        ->check(CLI::IsMember({"NORA-A", "NORA-B"}));
    cmd->add_option("--port", options->port, "the serial port, e.g. /dev/ttyUSB0");
    cmd->callback([options, &status] { status = runProgram(*options); });
}

}  // namespace vx::cli
