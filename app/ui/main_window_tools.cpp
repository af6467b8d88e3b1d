// The layout tools panel (dialog 103) in a dock beside the document windows:
// it reads the pointer of the active layout view and sets its port editing.

#include <QDockWidget>

#include "app/ui/document_window.h"
#include "app/ui/main_window.h"
#include "layout/ui/insert_position_dialog.h"
#include "layout/ui/layout_tools_panel.h"
#include "layout/ui/layout_view.h"
#include "platform/ui/dialog_texts.h"

namespace vx {

void MainWindow::createToolsPanel() {
    auto* dock = new QDockWidget(this);
    dock->setObjectName(QStringLiteral("layoutTools"));
    dock->setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
    toolsPanel_ = new LayoutToolsPanel(dock);
    dock->setWidget(toolsPanel_);
    addDockWidget(Qt::LeftDockWidgetArea, dock);
    toolsPanel_->setInsertPositionAsker([this]() -> std::optional<int> {
        InsertPositionDialog dialog(this);
        ApplyDialogTexts(&dialog, InsertPositionDialog::kDialog, state_.language.table());
        if (dialog.exec() != QDialog::Accepted) return std::nullopt;
        return dialog.position();
    });
    // The panel's texts follow the language, as the menus do.
    connect(this, &MainWindow::languageSwitched, this, [this, dock] {
        ApplyDialogTexts(toolsPanel_, LayoutToolsPanel::kDialog, state_.language.table());
        dock->setWindowTitle(text("IDD103_Title"));
    });
    ApplyDialogTexts(toolsPanel_, LayoutToolsPanel::kDialog, state_.language.table());
    dock->setWindowTitle(text("IDD103_Title"));
    toolsPanel_->setEnabled(false);
}

void MainWindow::linkToolsPanel() {
    DocumentWindow* window = activeDocumentWindow();
    LayoutView* view = window != nullptr ? window->layoutView() : nullptr;
    if (view == toolsView_) return;
    for (const auto& link : toolsLinks_) disconnect(link);
    toolsLinks_.clear();
    toolsView_ = view;
    toolsPanel_->setEnabled(view != nullptr);
    // The readout is the new view's from the start: no cell under the
    // pointer yet, and its own layout's lamp count.
    if (view == nullptr) {
        toolsPanel_->clearReadout(std::nullopt);
        return;
    }
    toolsPanel_->clearReadout(PointerReadout{0, 0, view->zoom(), std::nullopt,
                                             view->document().layout().lamps.size(), std::nullopt,
                                             std::nullopt});
    toolsPanel_->setPortState(view->portState());
    toolsLinks_.push_back(
        connect(toolsPanel_, &LayoutToolsPanel::portStateChanged, view, &LayoutView::setPortState));
    toolsLinks_.push_back(
        connect(view, &LayoutView::portStateChanged, toolsPanel_, &LayoutToolsPanel::setPortState));
    toolsLinks_.push_back(
        connect(view, &LayoutView::pointerCell, toolsPanel_, [this, view](int x, int y) {
            toolsPanel_->showReadout(readPointer(view->document().layout(), x, y, view->zoom()));
        }));
    // Edits change the lamp count under a pointer that stands still.
    toolsLinks_.push_back(
        connect(window, &DocumentWindow::documentChanged, toolsPanel_,
                [this, view] { toolsPanel_->showTotal(view->document().layout().lamps.size()); }));
}

}  // namespace vx
