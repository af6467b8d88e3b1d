#pragma once
// Port > Edit (32847): the Port Edit dialog over the active layout view's
// port editing state.

#include "app/ui/commands/app_command_context.h"
#include "base/commands/command_handler.h"

namespace vx {

class PortEditCommand : public CommandHandler<AppCommandContext> {
public:
    bool enabled(const AppCommandContext& c) const override {
        return c.activeLayoutView() != nullptr;
    }
    bool run(AppCommandContext& c) override;
};

}  // namespace vx
