// Use Wizard: the new-layout wizard's pages over the main window, and what
// its end opens: the layout as a new, unsaved document, playing in a demo
// window when the user chose Start Demo.

#include <QDialog>

#include "app/ui/main_window.h"
#include "engine/compile/compile_effects.h"
#include "engine/demo/demo_document.h"
#include "layout/ui/layout_view.h"

namespace vx {
namespace {

// The first program group that holds a mode; the last one when none does.
std::int32_t firstFilledGroup(const LampLayout& layout) {
    for (std::size_t g = 0; g < kProgramGroupCount; ++g) {
        if (!layout.effects.programGroups[g].empty()) return static_cast<std::int32_t>(g);
    }
    return static_cast<std::int32_t>(kProgramGroupCount) - 1;
}

}  // namespace

void MainWindow::startWizard() {
    // Only one run at a time: a new one starts over at the start page.
    if (wizard_) wizard_.release()->deleteLater();
    wizard_ = std::make_unique<WizardRun>(state_.language, this);
    connect(wizard_.get(), &WizardRun::finished, this, &MainWindow::finishWizard);
    connect(wizard_.get(), &WizardRun::cancelled, this,
            [this] { wizard_.release()->deleteLater(); });
    wizard_->start();
}

QDialog* MainWindow::wizardPage() const { return wizard_ ? wizard_->currentPage() : nullptr; }

void MainWindow::finishWizard(WizardEnd end) {
    if (!wizard_) return;
    auto document = std::make_shared<LayoutDocument>(wizard_->takeLayout());
    // The run is the sender: it goes once its signal has returned.
    wizard_.release()->deleteLater();
    // Nothing of it is on disk yet; its lamps show at once.
    document->setModified(true);
    document->setLampsShown(true);
    DocumentWindow* window =
        addWindow(DocumentKind::Layout, document, QStringLiteral("Edit%1").arg(++untitledCount_));
    if (end == WizardEnd::AddLamps) window->layoutView()->setInsertMode();
    if (end == WizardEnd::DeleteLamps) window->layoutView()->setDeleteMode();
    if (end != WizardEnd::StartDemo) return;

    const LampLayout& layout = document->layout();
    CompiledEffects compiled = compileEffects(layout);
    const std::size_t last = compiled.modes.empty() ? 0 : compiled.modes.size() - 1;
    // Parallel play of one program group, as choosing it in the demo does.
    auto demo = std::make_shared<DemoDocument>(layout.lamps, std::move(compiled), 2, 0, last);
    demo->selectProgramGroup(firstFilledGroup(layout));
    openDemoWindow(std::move(demo));
}

}  // namespace vx
