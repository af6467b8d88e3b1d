#pragma once
// Each vexolume-cli command adds its subcommand to the app. When the
// subcommand runs, its callback stores the process exit status in `status`
// (0 on success) and writes any error to stderr.

#include <CLI/CLI.hpp>

namespace vx::cli {

void addInfoCommand(CLI::App& app, int& status);
void addConvertCommand(CLI::App& app, int& status);
void addCompileCommand(CLI::App& app, int& status);
void addPortsCommand(CLI::App& app, int& status);
void addExportCommand(CLI::App& app, int& status);
void addFirmwareCommand(CLI::App& app, int& status);
void addProgramCommand(CLI::App& app, int& status);
void addSimulateCommand(CLI::App& app, int& status);
void addTimelineCommand(CLI::App& app, int& status);
void addRenderCommand(CLI::App& app, int& status);
void addScanCommand(CLI::App& app, int& status);
void addWizardCommand(CLI::App& app, int& status);
void addPlayCommand(CLI::App& app, int& status);
void addTwinCommand(CLI::App& app, int& status);
}  // namespace vx::cli
