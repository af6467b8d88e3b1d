#pragma once
// Window > New Window: another window over the active document.

#include "app/ui/commands/app_command_context.h"
#include "base/commands/command_handler.h"

namespace vx {

class NewWindowCommand : public CommandHandler<AppCommandContext> {
public:
    bool enabled(const AppCommandContext& c) const override {
        return c.activeDocumentWindow() != nullptr;
    }
    bool run(AppCommandContext& c) override {
        c.openWindowLike(*c.activeDocumentWindow());
        return true;
    }
};

}  // namespace vx
