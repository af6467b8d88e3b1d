#pragma once
// Enlarge and Shrink: the step by which the picture tools scale the picture.

#include "app/ui/commands/demo_picture_command.h"

namespace vx {

class DemoScaleStepCommand : public DemoPictureCommand {
public:
    explicit DemoScaleStepCommand(double step) : step_(step) {}

protected:
    bool act(AppCommandContext&, DemoView& view) override {
        view.document().setScaleStep(step_);
        return true;
    }

private:
    double step_;
};

}  // namespace vx
