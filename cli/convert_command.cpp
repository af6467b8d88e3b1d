// vexolume-cli convert IN OUT: between the binary layout file and its JSON form.

#include <algorithm>
#include <cctype>
#include <iostream>
#include <memory>
#include <string>

#include "cli/command.h"
#include "cli/report.h"
#include "layout/layout_file.h"
#include "layout/layout_json.h"
#include "platform/file_io.h"

namespace vx::cli {
namespace {

struct ConvertOptions {
    std::string input;
    std::string output;
};

std::string lowerExtension(const std::filesystem::path& path) {
    std::string ext = path.extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ext;
}

int runConvert(const ConvertOptions& options) {
    auto read = readLayoutFileWithForm(options.input);
    if (!read) return fail(options.input, read.error());
    const bool fromJson = read->json;
    const auto& layout = read->layout;

    // The output's name decides its form; any other name gets the other form.
    const auto ext = lowerExtension(options.output);
    bool toJson = !fromJson;
    if (ext == ".json") toJson = true;
    if (ext == ".led" || ext == ".lam") toJson = false;

    const Status written = toJson ? writeFileAtomically(options.output, layoutToJson(layout))
                                  : writeFileAtomically(options.output, encodeLayout(layout));
    if (!written) return fail(options.output, written.error());
    return 0;
}

}  // namespace

void addConvertCommand(CLI::App& app, int& status) {
    auto options = std::make_shared<ConvertOptions>();
    auto* cmd = app.add_subcommand(
        "convert", "Convert a layout file to its JSON form or back (chosen by the file names)");
    cmd->add_option("input", options->input, "the layout file to read (.led, .lam or .json)")
        ->required();
    cmd->add_option("output", options->output,
                    "the file to write; .json gives the JSON form, .led or .lam the binary file")
        ->required();
    cmd->callback([options, &status] { status = runConvert(*options); });
}

}  // namespace vx::cli
