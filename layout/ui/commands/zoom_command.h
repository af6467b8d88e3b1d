#pragma once
// View > Zoom: one of the seven fixed cell sizes of the layout view. The
// level in use carries the check mark.

#include "base/commands/command_handler.h"
#include "layout/ui/commands/layout_command_context.h"
#include "layout/ui/layout_view.h"

namespace vx {

class ZoomCommand : public CommandHandler<LayoutCommandContext> {
public:
    explicit ZoomCommand(int zoom) : zoom_(zoom) {}

    bool enabled(const LayoutCommandContext& c) const override {
        return c.activeLayoutView() != nullptr;
    }
    bool run(LayoutCommandContext& c) override {
        c.activeLayoutView()->setZoom(zoom_);
        return true;
    }
    bool checkable() const override { return true; }
    bool checked(const LayoutCommandContext& c) const override {
        const LayoutView* view = c.activeLayoutView();
        return view != nullptr && view->zoom() == zoom_;
    }

private:
    int zoom_;
};

}  // namespace vx
