#include "cli/command.h"

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
    CLI11_PARSE(app, argc, argv);
    return status;
}
