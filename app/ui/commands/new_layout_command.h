#pragma once
// New Layout: a new, empty layout window.

#include "app/ui/commands/app_command_context.h"
#include "base/commands/command_handler.h"

namespace vx {

class NewLayoutCommand : public CommandHandler<AppCommandContext> {
public:
    bool enabled(const AppCommandContext&) const override { return true; }
    bool run(AppCommandContext& c) override { return c.newLayout() != nullptr; }
};

}  // namespace vx
