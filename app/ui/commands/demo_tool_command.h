#pragma once
// Widen, Narrow and Move: the picture tool the mouse works with, checked
// while chosen.

#include "app/ui/commands/demo_picture_command.h"

namespace vx {

class DemoToolCommand : public DemoPictureCommand {
public:
    explicit DemoToolCommand(PictureTool tool) : tool_(tool) {}
    bool checkable() const override { return true; }
    bool checked(const AppCommandContext& c) const override {
        const DemoView* view = c.activeDemoView();
        return view != nullptr && view->document().tool() == tool_;
    }

protected:
    bool act(AppCommandContext&, DemoView& view) override {
        view.document().setTool(tool_);
        return true;
    }

private:
    PictureTool tool_;
};

}  // namespace vx
