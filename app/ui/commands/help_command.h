#pragma once
// The Help menu's pages: help topics and what's new (files in the data
// folder named by the language table) and the web site, opened by the
// shell. A page that does not open is reported.

#include "app/ui/commands/app_command_context.h"
#include "base/commands/command_handler.h"

namespace vx {

enum class HelpPage { Topics, WhatsNew, WebSite };

class HelpCommand : public CommandHandler<AppCommandContext> {
public:
    explicit HelpCommand(HelpPage page) : page_(page) {}

    bool enabled(const AppCommandContext&) const override { return true; }
    bool run(AppCommandContext& c) override;

private:
    HelpPage page_;
};

}  // namespace vx
