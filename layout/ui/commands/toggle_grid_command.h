#pragma once
// View > Grid: shows or hides the lattice grid of the layout view.

#include "base/commands/command_handler.h"
#include "layout/ui/commands/layout_command_context.h"
#include "layout/ui/layout_view.h"

namespace vx {

class ToggleGridCommand : public CommandHandler<LayoutCommandContext> {
public:
    bool enabled(const LayoutCommandContext& c) const override {
        return c.activeLayoutView() != nullptr;
    }
    bool run(LayoutCommandContext& c) override {
        LayoutView* view = c.activeLayoutView();
        view->setGridShown(!view->gridShown());
        return true;
    }
    bool checkable() const override { return true; }
    bool checked(const LayoutCommandContext& c) const override {
        const LayoutView* view = c.activeLayoutView();
        return view != nullptr && view->gridShown();
    }
};

}  // namespace vx
