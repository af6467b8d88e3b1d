#pragma once
// Scan > Back Color (32774) and Scan > Scan Scope (32775): arm the next
// double-click (the background colour under the pointer) or the next drag
// (the scope) in the layout view.

#include "base/commands/command_handler.h"
#include "layout/ui/commands/layout_command_context.h"
#include "layout/ui/layout_view.h"

namespace vx {

enum class ScanPick { BackColor, Scope };

class ScanPickCommand : public CommandHandler<LayoutCommandContext> {
public:
    explicit ScanPickCommand(ScanPick pick) : pick_(pick) {}

    bool enabled(const LayoutCommandContext& c) const override {
        const LayoutView* view = c.activeLayoutView();
        if (view == nullptr || view->shownPicture().empty()) return false;
        return pick_ == ScanPick::BackColor || view->scanState().scopeAllowed();
    }
    bool run(LayoutCommandContext& c) override {
        LayoutView* view = c.activeLayoutView();
        if (pick_ == ScanPick::BackColor) {
            view->armBackColor();
        } else {
            view->armScope();
        }
        return true;
    }

private:
    ScanPick pick_;
};

}  // namespace vx
