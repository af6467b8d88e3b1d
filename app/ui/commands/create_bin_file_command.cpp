#include "app/ui/commands/create_bin_file_command.h"

#include <filesystem>

#include "output/ui/create_bin_dialog.h"
#include "platform/tool_folder.h"

namespace vx {

namespace fs = std::filesystem;

bool CreateBinFileCommand::run(AppCommandContext& c) {
    auto tools = ensureToolFolder();
    if (!tools) {
        c.showMessageKey("CRTBINDLG_ONBINGO_FTCB");
        return false;
    }
    const auto document = c.activeDocument();
    CreateBinJob job;
    job.layout = document->layout();
    job.documentName = c.activeDocumentName();
    job.workFolder = c.appState().workFolder;
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

}  // namespace vx
