#include "app/ui/commands/controller_commands.h"

#include <filesystem>

#include "app/settings/programmer_settings.h"
#include "engine/compile/compile_effects.h"
#include "output/firmware/image_tag.h"
#include "output/tables/create_data_report.h"
#include "output/tables/table_files.h"
#include "output/twin/twin_image.h"
#include "output/ui/create_bin_dialog.h"
#include "output/ui/table_output.h"
#include "platform/tool_folder.h"
#include "programming/ui/select_program_dialog.h"

namespace vx {
namespace {

namespace fs = std::filesystem;

// The name the image of the active document is made from: its file name, or
// the window's title while it has none.
std::string documentName(const AppCommandContext& c) {
    const auto document = c.activeDocument();
    if (document && document->hasPath()) return document->path().filename().string();
    const DocumentWindow* window = c.activeDocumentWindow();
    return window ? window->documentTitle().toStdString() : std::string("Edit");
}

// The newest image Create BIN File left for the active document in the
// working folder, in any format; empty when there is none.
fs::path newestImage(const AppCommandContext& c) {
    return newestBuiltImage(fs::current_path(), documentName(c), std::nullopt).value_or(fs::path());
}

}  // namespace

bool CreateEffectDataCommand::run(AppCommandContext& c) {
    const CompiledEffects compiled = compileEffects(c.activeDocument()->layout());
    const TableBuild build = buildTableTexts(compiled);
    const std::string report = createDataReport(
        compiled, build, [&c](const std::string& key) { return c.text(key).toStdString(); });
    c.showMessage(QString::fromStdString(report).trimmed());
    return true;
}

bool CreateBinFileCommand::run(AppCommandContext& c) {
    auto tools = ensureToolFolder();
    if (!tools) {
        c.showMessageKey("CRTBINDLG_ONBINGO_FTCB");
        return false;
    }
    const auto document = c.activeDocument();
    CreateBinJob job;
    job.layout = document->layout();
    job.documentName = documentName(c);
    job.workFolder = fs::current_path();
    job.toolFolder = *tools;
    // The lamps handed over by the last Transfer Data, as the port table
    // written with it; the layout's own count before any transfer.
    const std::size_t transferred = c.appState().transferredLampCount;
    job.lampCount = transferred > 0 ? transferred : document->layout().lamps.size();
    auto* dialog = new CreateBinDialog(c.languageTable(), std::move(job), c.dialogParent());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
    return true;
}

bool OutputTableCommand::run(AppCommandContext& c) {
    const TableOutputUi ui =
        desktopTableOutputUi(c.dialogParent(), c.languageTable(), fs::current_path());
    const LampLayout& layout = c.activeDocument()->layout();
    const fs::path written = which_ == TableOutput::ClusterTables ? outputClusterTables(layout, ui)
                                                                  : outputAccessors(layout, ui);
    return !written.empty();
}

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
