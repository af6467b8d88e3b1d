// vexolume-cli ports FILE [-o DIR]: writes the port table "cport.h".

#include <filesystem>
#include <memory>
#include <string>

#include "cli/command.h"
#include "cli/report.h"
#include "layout/layout_json.h"
#include "layout/port_table.h"

namespace vx::cli {
namespace {

struct PortsOptions {
    std::string input;
    std::string folder = ".";
};

int runPorts(const PortsOptions& options) {
    auto layout = readLayoutFile(options.input);
    if (!layout) return fail(options.input, layout.error());
    const Status written = writePortTable(layout->lamps, options.folder);
    if (!written) return fail(written.error());
    return 0;
}

}  // namespace

void addPortsCommand(CLI::App& app, int& status) {
    auto options = std::make_shared<PortsOptions>();
    auto* cmd = app.add_subcommand("ports", "Write the port table cport.h of a layout");
    cmd->add_option("file", options->input, "the layout file (.led, .lam or .json)")->required();
    cmd->add_option("-o,--output", options->folder, "the folder to write cport.h into")
        ->check(CLI::ExistingDirectory);
    cmd->callback([options, &status] { status = runPorts(*options); });
}

}  // namespace vx::cli
