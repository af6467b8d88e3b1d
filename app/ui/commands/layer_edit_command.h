#pragma once
// Layer Edit: the "Define Layer" dialog chooses a layer (1..50) and whether
// clicks add lamps to it or remove them; the effect view then shows that
// layer green and edits it with each click.

#include "app/ui/commands/app_command_context.h"
#include "base/commands/command_handler.h"

namespace vx {

class LayerEditCommand : public CommandHandler<AppCommandContext> {
public:
    bool enabled(const AppCommandContext& c) const override {
        return c.activeEffectView() != nullptr;
    }
    bool run(AppCommandContext& c) override;
};

}  // namespace vx
