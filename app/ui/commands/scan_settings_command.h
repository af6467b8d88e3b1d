#pragma once
// Scan > Other Value (32776): the scan settings dialog. Refused values are
// reported and keep their old value; the others are taken as one step.

#include "app/ui/commands/app_command_context.h"
#include "base/commands/command_handler.h"

namespace vx {

class ScanSettingsCommand : public CommandHandler<AppCommandContext> {
public:
    bool enabled(const AppCommandContext& c) const override {
        return c.activeLayoutView() != nullptr;
    }
    bool run(AppCommandContext& c) override;
};

}  // namespace vx
