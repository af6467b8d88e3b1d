#include <string>

#include "cli/command.h"
#include "cli/exit_status.h"

int main(int argc, char** argv) {
    CLI::App app{"vexolume-cli: inspect, convert, compile and build Vexolume layouts"};
    app.require_subcommand(1);
    int status = 0;
    vx::cli::addInfoCommand(app, status);
    vx::cli::addConvertCommand(app, status);
    vx::cli::addCompileCommand(app, status);
    vx::cli::addPortsCommand(app, status);
    vx::cli::addExportCommand(app, status);
    vx::cli::addFirmwareCommand(app, status);
    vx::cli::addProgramCommand(app, status);
    vx::cli::addSimulateCommand(app, status);
    vx::cli::addTimelineCommand(app, status);
    vx::cli::addRenderCommand(app, status);
    vx::cli::addScanCommand(app, status);
    vx::cli::addWizardCommand(app, status);
    vx::cli::addPlayCommand(app, status);
    vx::cli::addTwinCommand(app, status);
    // One line for a wrong command line, and one status for every kind of it.
    app.failure_message([](const CLI::App*, const CLI::Error& e) {
        return std::string("vexolume-cli: ") + e.what() + " (--help lists the options)\n";
    });
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        const int code = app.exit(e);
        return code == static_cast<int>(CLI::ExitCodes::Success) ? vx::cli::kExitDone
                                                                 : vx::cli::kExitUsage;
    }
    return status;
}
