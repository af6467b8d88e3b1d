#pragma once
// Controller Preview, beside the play commands of the effect window and on
// the demo window's menus: the layout's controller image (the newest one
// built from it, else built now) running in the simulator beside the preview
// of a program group: the demo's chosen group, or the first with modes.

#include "app/ui/commands/app_command_context.h"
#include "base/commands/command_handler.h"

namespace vx {

class ControllerPreviewCommand : public CommandHandler<AppCommandContext> {
public:
    bool enabled(const AppCommandContext& c) const override;
    bool run(AppCommandContext& c) override;
};

}  // namespace vx
