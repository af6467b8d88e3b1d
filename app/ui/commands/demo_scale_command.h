#pragma once
// Size: the cell size of the demo's lamps, fitted to the view until the user
// sets one.

#include "app/ui/commands/demo_command.h"

namespace vx {

class DemoScaleCommand : public DemoCommand {
protected:
    bool act(AppCommandContext& c, DemoView& view) override {
        DemoDocument& d = view.document();
        d.fitCellSizeIfUnset(view.width(), view.height());
        d.scaleDialogClosed(c.askEffectCellSize(d.cellSize()));
        return true;
    }
};

}  // namespace vx
