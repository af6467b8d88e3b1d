#pragma once
// File > Close: closes the active document with all its windows (after the
// save question), or the active demo window.

#include "app/ui/commands/app_command_context.h"
#include "base/commands/command_handler.h"

namespace vx {

class CloseCommand : public CommandHandler<AppCommandContext> {
public:
    bool enabled(const AppCommandContext& c) const override {
        return c.activeDocumentWindow() != nullptr;
    }
    bool run(AppCommandContext& c) override {
        DocumentWindow* active = c.activeDocumentWindow();
        if (active->document()) return c.closeDocument(active->document());
        active->close();
        return true;
    }
};

}  // namespace vx
