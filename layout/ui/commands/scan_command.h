#pragma once
// Scan > Scan (32792): the lattice scan of the shown picture, once until Undo;
// the lamps arrive as one step when the view's timer fires.

#include "base/commands/command_handler.h"
#include "layout/ui/commands/layout_command_context.h"
#include "layout/ui/layout_view.h"

namespace vx {

class ScanCommand : public CommandHandler<LayoutCommandContext> {
public:
    bool enabled(const LayoutCommandContext& c) const override {
        const LayoutView* view = c.activeLayoutView();
        return view != nullptr && view->scanState().scanAllowed() && !view->shownPicture().empty();
    }
    bool run(LayoutCommandContext& c) override { return c.activeLayoutView()->startScan(); }
};

}  // namespace vx
