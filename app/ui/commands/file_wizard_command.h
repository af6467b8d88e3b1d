#pragma once
// Use Wizard: the new-layout wizard from its start page; its end opens the
// layout it made as a new document.

#include "app/ui/commands/app_command_context.h"
#include "base/commands/command_handler.h"

namespace vx {

class FileWizardCommand : public CommandHandler<AppCommandContext> {
public:
    bool enabled(const AppCommandContext&) const override { return true; }
    bool run(AppCommandContext& c) override {
        c.startWizard();
        return true;
    }
};

}  // namespace vx
