#include "app/ui/commands/print_command.h"

#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include <memory>

#include "layout/ui/layout_printer.h"
#include "layout/ui/layout_view.h"

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
