#pragma once
// Start: ends the picture placement and plays the demo.

#include "app/ui/commands/demo_command.h"

namespace vx {

class DemoStartCommand : public DemoCommand {
protected:
    bool act(AppCommandContext&, DemoView& view) override {
        view.startDemo();
        return true;
    }
};

}  // namespace vx
