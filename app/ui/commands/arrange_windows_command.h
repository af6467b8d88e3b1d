#pragma once
// Window > Cascade, Tile and Arrange: the arrangement of all windows.

#include "app/ui/commands/app_command_context.h"
#include "base/commands/command_handler.h"

namespace vx {

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
