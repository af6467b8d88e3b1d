#pragma once
// The effect window's Zoom In/Out: asks for the cell size of the effect view
// and refuses a value the view cannot take.

#include "base/commands/command_handler.h"
#include "engine/ui/commands/effect_command_context.h"
#include "engine/ui/effect_view.h"

namespace vx {

class EffectCellSizeCommand : public CommandHandler<EffectCommandContext> {
public:
    bool enabled(const EffectCommandContext& c) const override {
        return c.activeEffectView() != nullptr;
    }
    bool run(EffectCommandContext& c) override {
        EffectView* view = c.activeEffectView();
        const auto value = c.askEffectCellSize(view->cellSize());
        if (!value) return true;  // cancelled: the command itself ran
        if (!view->setCellSize(*value)) c.showMessageKey("MODETESTVIEW_ONLARGEN3_PIAN");
        return true;
    }
};

}  // namespace vx
