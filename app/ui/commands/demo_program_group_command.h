#pragma once
// Program Group k: plays group k from its start, checked while it plays.

#include "app/ui/commands/demo_command.h"

namespace vx {

class DemoProgramGroupCommand : public DemoCommand {
public:
    explicit DemoProgramGroupCommand(int group) : group_(group) {}
    bool checkable() const override { return true; }
    bool checked(const AppCommandContext& c) const override {
        const DemoView* view = c.activeDemoView();
        return view != nullptr && view->document().programGroup() == group_;
    }

protected:
    bool act(AppCommandContext&, DemoView& view) override {
        view.selectProgramGroup(group_);
        return true;
    }

private:
    int group_;
};

}  // namespace vx
