#pragma once
// 32844 Write To Controller: the Select Program dialog with the newest image
// Create BIN File made for the active layout.

#include "app/ui/commands/app_command_context.h"
#include "base/commands/command_handler.h"

namespace vx {

class WriteToControllerCommand : public CommandHandler<AppCommandContext> {
public:
    bool enabled(const AppCommandContext&) const override { return true; }
    bool run(AppCommandContext& c) override;
};

}  // namespace vx
