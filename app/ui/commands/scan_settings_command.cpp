#include "app/ui/commands/scan_settings_command.h"

#include <memory>
#include <string>
#include <vector>

#include "layout/history/apply_scan_edit.h"
#include "layout/ui/layout_view.h"
#include "layout/ui/scan_settings_dialog.h"
#include "platform/ui/dialog_texts.h"

namespace vx {

bool ScanSettingsCommand::run(AppCommandContext& c) {
    LayoutDocument& document = c.activeLayoutView()->document();
    ScanSettingsDialog dialog(currentScanSettings(document.layout()), c.dialogParent());
    ApplyDialogTexts(&dialog, ScanSettingsDialog::kDialog, c.languageTable());
    if (dialog.exec() != QDialog::Accepted) return false;
    const ScanSettingsOutcome outcome = acceptScanSettings(document.layout(), dialog.entry());
    for (const std::string& key : outcome.refusals) c.showMessageKey(key);
    ScanSettingsRecord settings = ScanSettingsRecord::of(document.layout());
    settings.objectSize = outcome.objectSize;
    settings.lampSize = outcome.lampSize;
    settings.colorTolerance = outcome.colorTolerance;
    if (settings == ScanSettingsRecord::of(document.layout())) return false;
    return document.apply(
        std::make_unique<ApplyScanEdit>(settings, std::vector<Lamp>{}, "ID_SCAN_SETOTHER"));
}

}  // namespace vx
