// vexolume-cli export FILE -o DIR: compiles a layout's effects and writes the
// controller files DSPPTN.H, CSTGRP.h, GETPTN.c, cport.h and CData.h into DIR,
// creating it when missing.

#include <filesystem>
#include <memory>
#include <string>

#include "cli/command.h"
#include "cli/report.h"
#include "engine/compile/compile_effects.h"
#include "layout/layout_json.h"
#include "output/cdata/controller_files.h"

namespace vx::cli {
namespace {

struct ExportOptions {
    std::string input;
    std::string folder;
    std::string format = "1";
};

int runExport(const ExportOptions& options) {
    auto layout = readLayoutFile(options.input);
    if (!layout) return fail(layout.error());

    const CompiledEffects compiled = compileEffects(*layout);
    auto files = buildControllerFiles(*layout, compiled, options.format);
    if (!files) return fail(files.error());
    // A table too large for the controller would leave the set unusable;
    // nothing is written then.
    if (!files->refused.empty()) {
        for (const Error& refused : files->refused) fail(refused);
        return 1;
    }
    const Status written = writeControllerFiles(files->files, options.folder);
    if (!written) return fail(written.error());
    return 0;
}

}  // namespace

void addExportCommand(CLI::App& app, int& status) {
    auto options = std::make_shared<ExportOptions>();
    auto* cmd = app.add_subcommand(
        "export", "Write the controller files DSPPTN.H, CSTGRP.h, GETPTN.c, cport.h and CData.h");
    cmd->add_option("file", options->input, "the layout file (.led, .lam or .json)")->required();
    cmd->add_option("-o,--output", options->folder,
                    "the folder to write into (created when missing)")
        ->required();
    cmd->add_option("--format", options->format, "controller format of CData.h: 1, 2 or 3")
        ->check(CLI::IsMember({"1", "2", "3"}));
    cmd->callback([options, &status] { status = runExport(*options); });
}

}  // namespace vx::cli
