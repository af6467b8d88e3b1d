#pragma once
// Edit > Insert Lamp and Edit > Delete Lamp: the layout view's click-and-drag
// modes. The mode in force carries the check mark.

#include "base/commands/command_handler.h"
#include "layout/ui/commands/layout_command_context.h"
#include "layout/ui/layout_view.h"

namespace vx {

enum class LampEditMode { Insert, Delete };

class LampEditModeCommand : public CommandHandler<LayoutCommandContext> {
public:
    explicit LampEditModeCommand(LampEditMode mode) : mode_(mode) {}

    bool enabled(const LayoutCommandContext& c) const override {
        return c.activeLayoutView() != nullptr;
    }
    bool run(LayoutCommandContext& c) override {
        LayoutView* view = c.activeLayoutView();
        if (mode_ == LampEditMode::Insert) {
            view->setInsertMode();
        } else {
            view->setDeleteMode();
        }
        return true;
    }
    bool checkable() const override { return true; }
    bool checked(const LayoutCommandContext& c) const override {
        const LayoutView* view = c.activeLayoutView();
        if (view == nullptr) return false;
        return mode_ == LampEditMode::Insert ? view->insertMode() : view->deleteMode();
    }

private:
    LampEditMode mode_;
};

}  // namespace vx
