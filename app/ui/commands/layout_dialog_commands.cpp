// The layout window's dialog commands: Port Edit, the scan settings and
// printing.

#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include <memory>

#include "app/ui/commands/port_edit_command.h"
#include "app/ui/commands/print_command.h"
#include "app/ui/commands/scan_settings_command.h"
#include "layout/history/apply_scan_edit.h"
#include "layout/ui/layout_printer.h"
#include "layout/ui/layout_view.h"
#include "layout/ui/port_edit_dialog.h"
#include "layout/ui/scan_settings_dialog.h"
#include "platform/ui/dialog_texts.h"

namespace vx {
namespace {

// While the layout prints, its screen view leaves the lamps out; they are
// shown again afterwards.
class LampsOffScreen {
public:
    explicit LampsOffScreen(LayoutView& view) : view_(view) { show(false); }
    ~LampsOffScreen() { show(true); }
    LampsOffScreen(const LampsOffScreen&) = delete;
    LampsOffScreen& operator=(const LampsOffScreen&) = delete;

private:
    void show(bool shown) {
        view_.document().setLampsShown(shown);
        view_.viewport()->update();
    }
    LayoutView& view_;
};

}  // namespace

bool PortEditCommand::run(AppCommandContext& c) {
    LayoutView* view = c.activeLayoutView();
    PortEditDialog dialog(view->portState(), c.dialogParent());
    ApplyDialogTexts(&dialog, PortEditDialog::kDialog, c.languageTable());
    if (dialog.exec() != QDialog::Accepted) return false;
    view->setPortState(dialog.accepted());
    return true;
}

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

SharedPrinter::SharedPrinter() = default;
SharedPrinter::~SharedPrinter() = default;

QPrinter& SharedPrinter::get() {
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

bool PrintCommand::run(AppCommandContext& c) {
    LayoutView& view = *c.activeLayoutView();
    const LampLayout& layout = view.document().layout();
    QPrinter* printer = &printer_->get();
    switch (action_) {
        case PrintAction::Setup: {
            QPageSetupDialog dialog(printer, c.dialogParent());
            return dialog.exec() == QDialog::Accepted;
        }
        case PrintAction::Preview: {
            QPrintPreviewDialog dialog(printer, c.dialogParent());
            QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested,
                             [&layout](QPrinter* p) { printLayout(*p, layout); });
            const LampsOffScreen printing(view);
            return dialog.exec() == QDialog::Accepted;
        }
        case PrintAction::Print: {
            QPrintDialog dialog(printer, c.dialogParent());
            if (dialog.exec() != QDialog::Accepted) return false;
            const LampsOffScreen printing(view);
            return printLayout(*printer, layout) > 0;
        }
    }
    return false;
}

}  // namespace vx
