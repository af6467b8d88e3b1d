#pragma once
// The base of the tools for placing the demo's picture: available from the
// opening of a picture until the next Start. The menu bar and the demo
// view's pop-up menu both take this.

#include "app/ui/commands/demo_command.h"

namespace vx {

class DemoPictureCommand : public DemoCommand {
protected:
    bool available(const DemoDocument& d) const override {
        return !d.picturePath().empty() && d.adjustMode();
    }
};

}  // namespace vx
