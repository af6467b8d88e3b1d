#pragma once
// Help > About: the about box.

#include "app/ui/about_dialog.h"
#include "app/ui/commands/app_command_context.h"
#include "base/commands/command_handler.h"

namespace vx {

class AboutCommand : public CommandHandler<AppCommandContext> {
public:
    bool enabled(const AppCommandContext&) const override { return true; }
    bool run(AppCommandContext& c) override {
        showAboutBox(c.dialogParent(), c.languageTable());
        return true;
    }
};

}  // namespace vx
