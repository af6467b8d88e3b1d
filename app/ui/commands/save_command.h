#pragma once
// File > Save and File > Save As. Save asks for a name only when the
// document has none yet.

#include "app/ui/commands/app_command_context.h"
#include "base/commands/command_handler.h"

namespace vx {

class SaveCommand : public CommandHandler<AppCommandContext> {
public:
    explicit SaveCommand(bool alwaysAskName) : alwaysAskName_(alwaysAskName) {}

    bool enabled(const AppCommandContext& c) const override {
        return c.activeDocument() != nullptr;
    }
    bool run(AppCommandContext& c) override {
        const auto document = c.activeDocument();
        return c.saveDocument(*document, alwaysAskName_ || !document->hasPath());
    }

private:
    bool alwaysAskName_;
};

}  // namespace vx
