#pragma once
// The base of the commands that act on the active window's layout document:
// enabled while there is one.

#include "app/ui/commands/app_command_context.h"
#include "base/commands/command_handler.h"

namespace vx {

class LayoutDocumentCommand : public CommandHandler<AppCommandContext> {
public:
    bool enabled(const AppCommandContext& c) const override {
        return c.activeDocument() != nullptr;
    }
};

}  // namespace vx
