#pragma once
// Edit Mode: opens the mode editing sheet beside the active effect window
// (one per view, made on first use) and joins it to the view's picking.

#include "app/ui/commands/app_command_context.h"
#include "base/commands/command_handler.h"

namespace vx {

class ModeSheetDialog;

class ModeEditCommand : public CommandHandler<AppCommandContext> {
public:
    bool enabled(const AppCommandContext& c) const override {
        return c.activeEffectView() != nullptr;
    }
    bool run(AppCommandContext& c) override;
};

// The sheet of an effect view, made and joined to it on first use.
ModeSheetDialog* modeSheetFor(EffectView& view, AppCommandContext& c);

}  // namespace vx
