#pragma once
// Circle and Rectangle: the shape the demo draws its lamps in, checked while
// in use.

#include "app/ui/commands/demo_command.h"

namespace vx {

class DemoShapeCommand : public DemoCommand {
public:
    explicit DemoShapeCommand(bool round) : round_(round) {}
    bool checkable() const override { return true; }
    bool checked(const AppCommandContext& c) const override {
        const DemoView* view = c.activeDemoView();
        return view != nullptr && view->roundLamps() == round_;
    }

protected:
    bool act(AppCommandContext&, DemoView& view) override {
        view.setRoundLamps(round_);
        return true;
    }

private:
    bool round_;
};

}  // namespace vx
