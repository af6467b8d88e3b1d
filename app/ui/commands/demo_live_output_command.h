#pragma once
// Live DMX while the demo plays: the dialog chooses the output and the first
// universe; Off ends the feed. A failing output is reported and the feed
// ends. Checked while a feed runs.

#include "app/ui/commands/demo_command.h"

namespace vx {

class DemoLiveOutputCommand : public DemoCommand {
public:
    bool checkable() const override { return true; }
    bool checked(const AppCommandContext& c) const override;

protected:
    bool act(AppCommandContext& c, DemoView& view) override;

private:
    LiveOutputChoice last_;
};

}  // namespace vx
