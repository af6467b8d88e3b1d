// vexolume-cli wizard --cols C --rows R ...: the new-layout wizard without a
// window. Makes the rectangle of lamps, wires it to one port as a serpentine
// chain, hands the lamps to the effect side and puts the chosen styles into
// program groups 0, 1, 2 ... in the order given.

#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "app/wizard/wizard_lamps.h"
#include "app/wizard/wizard_programs.h"
#include "app/wizard/wizard_shape.h"
#include "app/wizard/wizard_styles.h"
#include "cli/command.h"
#include "cli/layout_output.h"
#include "cli/report.h"
#include "layout/layout_bounds.h"

namespace vx::cli {
namespace {

struct WizardOptions {
    int columns = 10;
    int rows = 10;
    bool outline = false;
    int port = 1;
    std::vector<std::size_t> styles;
    std::string output;
};

int runWizard(const WizardOptions& options) {
    if (options.styles.size() > kProgramGroupCount) {
        return fail("--styles", Error{"ERR_CLI_USAGE", "at most 32 styles, one per program group"});
    }
    WizardShape shape;
    shape.fill = !options.outline;
    shape.port = options.port;
    // As on the page: columns typed first, then rows, so 1 x 1 becomes 1 x 2.
    shape = editWizardColumns(shape, options.columns);
    shape = editWizardRows(shape, options.rows);

    LampLayout layout;
    layout.lamps = makeWizardLamps(shape, kWizardZoom, layout.lampPitch);
    wireWizardLamps(layout.lamps, shape.port);
    // Transfer Data: the effect side plays these lamps.
    layout.effectLamps = transferredLamps(layout.lamps);

    const CellRect e = allLampBounds(layout.lamps);
    ChosenStyles chosen = noStylesChosen();
    openStylesPage(layout.effects, chosen, CellRect{e.left, e.top, e.right, e.bottom},
                   layout.lamps.size());
    for (std::size_t group = 0; group < options.styles.size(); ++group) {
        (void)insertStyle(layout.effects, chosen, group, options.styles[group]);
    }

    if (const Status s = writeLayoutOutput(options.output, layout); !s) {
        return fail(options.output, s.error());
    }
    const LanguageTable english = englishTable();
    const auto name = [&english](std::size_t style) {
        return english.LookUpText("ID_MSG_CMODEEDIT_STYLE" + std::to_string(style));
    };
    for (const auto& line : wizardReport(layout.lamps.size(), chosen, name)) {
        std::cout << line << '\n';
    }
    return 0;
}

}  // namespace

void addWizardCommand(CLI::App& app, int& status) {
    auto options = std::make_shared<WizardOptions>();
    auto* cmd = app.add_subcommand(
        "wizard", "Make a rectangular layout wired to one port, with effect styles in programs");
    cmd->add_option("--cols", options->columns, "lamps across, 1 to 200")
        ->required()
        ->check(CLI::Range(1, kWizardMaxCount));
    cmd->add_option("--rows", options->rows, "lamps down, 1 to 200")
        ->required()
        ->check(CLI::Range(1, kWizardMaxCount));
    cmd->add_flag("--outline", options->outline, "only the outline of the rectangle");
    cmd->add_option("--port", options->port, "the controller port, 1 to 12 (default 1)")
        ->check(CLI::Range(1, 12));
    cmd->add_option("--styles", options->styles,
                    "styles 0 to 13 for program groups 0, 1, 2 ... (e.g. 0,3,12)")
        ->delimiter(',')
        ->check(CLI::Range(0, 13));
    cmd->add_option("-o,--output", options->output, "the layout to write (.led, or .json)")
        ->required();
    cmd->callback([options, &status] { status = runWizard(*options); });
}

}  // namespace vx::cli
