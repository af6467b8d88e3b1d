#include "app/ui/commands/write_to_controller_command.h"

#include <filesystem>

#include "app/settings/programmer_settings.h"
#include "output/firmware/image_tag.h"
#include "output/twin/twin_image.h"
#include "platform/tool_folder.h"
#include "programming/ui/select_program_dialog.h"

namespace vx {
namespace {

namespace fs = std::filesystem;

// The newest image Create BIN File left for the active document in the
// working folder, in any format; empty when there is none.
fs::path newestImage(const AppCommandContext& c) {
    return newestBuiltImage(c.appState().workFolder, c.activeDocumentName(), std::nullopt)
        .value_or(fs::path());
}

}  // namespace

bool WriteToControllerCommand::run(AppCommandContext& c) {
    auto tools = ensureToolFolder();
    const fs::path toolFolder = tools ? *tools : fs::path();
    const AppState& state = c.appState();
    ProgrammerSettings settings =
        readProgrammerSettings(state.settingsFile, toolFolder, c.languageTable());
    auto* dialog = new SelectProgramDialog(c.languageTable(), std::move(settings), newestImage(c),
                                           {}, c.dialogParent());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
    return true;
}

}  // namespace vx
