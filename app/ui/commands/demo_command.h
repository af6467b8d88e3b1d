#pragma once
// The base of the demo window's commands: each acts on the demo view of the
// active window and is enabled while there is one and the command is
// available for its document.

#include "app/ui/commands/app_command_context.h"
#include "base/commands/command_handler.h"
#include "engine/ui/demo_view.h"

namespace vx {

class DemoCommand : public CommandHandler<AppCommandContext> {
public:
    bool enabled(const AppCommandContext& c) const override {
        const DemoView* view = c.activeDemoView();
        return view != nullptr && available(view->document());
    }
    bool run(AppCommandContext& c) override { return act(c, *c.activeDemoView()); }

protected:
    virtual bool available(const DemoDocument&) const { return true; }
    virtual bool act(AppCommandContext& c, DemoView& view) = 0;
};

}  // namespace vx
