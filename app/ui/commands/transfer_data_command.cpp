#include "app/ui/commands/transfer_data_command.h"

#include "layout/history/transfer_data_edit.h"

namespace vx {

bool TransferDataCommand::run(AppCommandContext& c) {
    const DocumentWindow* active = c.activeDocumentWindow();
    const std::shared_ptr<LayoutDocument> document = active->document();
    if (document->layout().lamps.size() < 2) return false;
    // A transfer is a step of its own, never part of a drag.
    document->closeStep();
    document->apply(std::make_unique<TransferDataEdit>());
    c.openEffectWindow(document, active->documentTitle());
    c.writePortTableFor(*document);
    c.appState().transferredLampCount = document->layout().lamps.size();
    return true;
}

}  // namespace vx
