// vexolume-cli export FILE -o DIR: compiles a layout's effects and writes the
// controller files DSPPTN.H, CSTGRP.h, GETPTN.c, cport.h and CData.h into DIR,
// creating it when missing. Exit status 0, 1 when nothing was written, 2 when
// a table over its limit was left out of the files written.

#include <filesystem>
#include <iostream>
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

// A table family too large for the controller is written empty, as the
// firmware build does; what that leaves out is said on stderr and in the
// exit status 2, so a script notices the set is incomplete.
int reportLeftOut(const ControllerFiles& files) {
    if (files.refused.empty()) return 0;
    for (const Error& refused : files.refused) {
        std::cerr << "vexolume-cli: " << messageText(refused) << '\n';
    }
    std::cerr << "vexolume-cli: CData.h leaves out " << files.leftOutRecords
              << " program step(s) that name a table left out\n";
    return 2;
}

int runExport(const ExportOptions& options) {
    auto layout = readLayoutFile(options.input);
    if (!layout) return fail(layout.error());

    const CompiledEffects compiled = compileEffects(*layout);
    auto files = buildControllerFiles(*layout, compiled, options.format);
    if (!files) return fail(files.error());
    const Status written = writeControllerFiles(files->files, options.folder);
    if (!written) return fail(written.error());
    return reportLeftOut(*files);
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
