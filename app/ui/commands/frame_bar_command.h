#pragma once
// View > Toolbar and View > Status Bar: shows or hides a bar of the frame.

#include "app/ui/commands/app_command_context.h"
#include "base/commands/command_handler.h"

namespace vx {

class FrameBarCommand : public CommandHandler<AppCommandContext> {
public:
    explicit FrameBarCommand(FrameBar bar) : bar_(bar) {}

    bool enabled(const AppCommandContext&) const override { return true; }
    bool run(AppCommandContext& c) override {
        c.setBarShown(bar_, !c.barShown(bar_));
        return true;
    }
    bool checkable() const override { return true; }
    bool checked(const AppCommandContext& c) const override { return c.barShown(bar_); }

private:
    FrameBar bar_;
};

}  // namespace vx
