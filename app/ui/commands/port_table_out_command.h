#pragma once
// Port > Output: writes the port table of the active document (cport.h)
// into the working folder.

#include "app/ui/commands/app_command_context.h"
#include "base/commands/command_handler.h"

namespace vx {

class PortTableOutCommand : public CommandHandler<AppCommandContext> {
public:
    bool enabled(const AppCommandContext& c) const override {
        return c.activeDocument() != nullptr;
    }
    bool run(AppCommandContext& c) override {
        c.writePortTableFor(*c.activeDocument());
        return true;
    }
};

}  // namespace vx
