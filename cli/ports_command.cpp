// vexolume-cli ports FILE [-o DIR]: writes the port table "cport.h".

#include <filesystem>
#include <iostream>
#include <memory>
#include <string>

#include "cli/command.h"
#include "layout/layout_file.h"
#include "layout/layout_json.h"
#include "layout/port_table.h"
#include "platform/file_io.h"

namespace vx::cli {
namespace {

struct PortsOptions {
    std::string input;
    std::string folder = ".";
};

int runPorts(const PortsOptions& options) {
    auto bytes = readFileBytes(options.input);
    if (!bytes) {
        std::cerr << "vexolume-cli: " << options.input << ": " << bytes.error().describe() << '\n';
        return 1;
    }
    auto layout = isJsonForm(options.input, *bytes)
                      ? layoutFromJson(std::string_view(
                            reinterpret_cast<const char*>(bytes->data()), bytes->size()))
                      : decodeLayout(*bytes);
    if (!layout) {
        std::cerr << "vexolume-cli: " << options.input << ": " << layout.error().describe()
                  << '\n';
        return 1;
    }
    const Status written = writePortTable(layout->lamps, options.folder);
    if (!written) {
        std::cerr << "vexolume-cli: " << written.error().key << ": "
                  << written.error().describe() << '\n';
        return 1;
    }
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
