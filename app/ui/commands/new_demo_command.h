#pragma once
// New Demo: a new demo window, which plays what an effect view hands it.

#include "app/ui/commands/app_command_context.h"
#include "base/commands/command_handler.h"

namespace vx {

class NewDemoCommand : public CommandHandler<AppCommandContext> {
public:
    bool enabled(const AppCommandContext&) const override { return true; }
    bool run(AppCommandContext& c) override { return c.newDemo() != nullptr; }
};

}  // namespace vx
