#include "app/ui/commands/output_table_command.h"

#include <filesystem>

#include "output/ui/table_output.h"

namespace vx {

namespace fs = std::filesystem;

bool OutputTableCommand::run(AppCommandContext& c) {
    const TableOutputUi ui =
        desktopTableOutputUi(c.dialogParent(), c.languageTable(), c.appState().workFolder);
    const LampLayout& layout = c.activeDocument()->layout();
    const fs::path written = which_ == TableOutput::ClusterTables ? outputClusterTables(layout, ui)
                                                                  : outputAccessors(layout, ui);
    return !written.empty();
}

}  // namespace vx
