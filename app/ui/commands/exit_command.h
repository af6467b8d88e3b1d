#pragma once
// File > Exit: closes the program, asking about unsaved documents first.

#include "app/ui/commands/app_command_context.h"
#include "base/commands/command_handler.h"

namespace vx {

class ExitCommand : public CommandHandler<AppCommandContext> {
public:
    bool enabled(const AppCommandContext&) const override { return true; }
    bool run(AppCommandContext& c) override {
        c.closeProgram();
        return true;
    }
};

}  // namespace vx
