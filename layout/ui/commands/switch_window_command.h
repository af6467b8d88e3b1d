#pragma once
// Scan > Switch Window (32772): between the picture and the lamps alone.

#include "base/commands/command_handler.h"
#include "layout/ui/commands/layout_command_context.h"
#include "layout/ui/layout_view.h"

namespace vx {

class SwitchWindowCommand : public CommandHandler<LayoutCommandContext> {
public:
    bool enabled(const LayoutCommandContext& c) const override {
        const LayoutView* view = c.activeLayoutView();
        return view != nullptr && !view->shownPicture().empty();
    }
    bool run(LayoutCommandContext& c) override {
        c.activeLayoutView()->togglePicture();
        return true;
    }
    bool checkable() const override { return true; }
    bool checked(const LayoutCommandContext& c) const override {
        const LayoutView* view = c.activeLayoutView();
        return view != nullptr && !view->shownPicture().empty() && view->scanState().pictureShown();
    }
};

}  // namespace vx
