#include "app/ui/commands/port_edit_command.h"

#include "layout/ui/layout_view.h"
#include "layout/ui/port_edit_dialog.h"
#include "platform/ui/dialog_texts.h"

namespace vx {

bool PortEditCommand::run(AppCommandContext& c) {
    LayoutView* view = c.activeLayoutView();
    PortEditDialog dialog(view->portState(), c.dialogParent());
    ApplyDialogTexts(&dialog, PortEditDialog::kDialog, c.languageTable());
    if (dialog.exec() != QDialog::Accepted) return false;
    view->setPortState(dialog.accepted());
    return true;
}

}  // namespace vx
