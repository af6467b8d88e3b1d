#pragma once
// The Window menu: another window over the active document, and the
// arrangement of all windows.

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

class ArrangeWindowsCommand : public CommandHandler<AppCommandContext> {
public:
    explicit ArrangeWindowsCommand(WindowArrangement arrangement) : arrangement_(arrangement) {}

    bool enabled(const AppCommandContext&) const override { return true; }
    bool run(AppCommandContext& c) override {
        c.arrangeWindows(arrangement_);
        return true;
    }

private:
    WindowArrangement arrangement_;
};

}  // namespace vx
