#pragma once
// Stop closes the demo window; closing it stops the playback.

#include "app/ui/commands/demo_command.h"

namespace vx {

class DemoStopCommand : public DemoCommand {
protected:
    bool act(AppCommandContext& c, DemoView&) override {
        c.activeDocumentWindow()->close();
        return true;
    }
};

}  // namespace vx
