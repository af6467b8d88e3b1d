#include "app/ui/commands/app_command_context.h"

namespace vx {

std::shared_ptr<LayoutDocument> AppCommandContext::activeDocument() const {
    const DocumentWindow* active = activeDocumentWindow();
    return active != nullptr ? active->document() : nullptr;
}

LayoutView* AppCommandContext::activeLayoutView() const {
    const DocumentWindow* active = activeDocumentWindow();
    return active != nullptr ? active->layoutView() : nullptr;
}

EffectView* AppCommandContext::activeEffectView() const {
    const DocumentWindow* active = activeDocumentWindow();
    return active != nullptr ? active->effectView() : nullptr;
}

DemoView* AppCommandContext::activeDemoView() const {
    const DocumentWindow* active = activeDocumentWindow();
    return active != nullptr ? active->demoView() : nullptr;
}

std::string AppCommandContext::activeDocumentName() const {
    const auto document = activeDocument();
    if (document && document->hasPath()) return document->path().filename().string();
    const DocumentWindow* window = activeDocumentWindow();
    return window ? window->documentTitle().toStdString() : std::string("Edit");
}

}  // namespace vx
