#pragma once
// Creat Data: compiles the effects of the active document (word expansion,
// modes, program groups) and reports the tables it made.

#include "app/ui/commands/app_command_context.h"
#include "base/commands/command_handler.h"

namespace vx {

struct CompiledEffects;

class CreateEffectDataCommand : public CommandHandler<AppCommandContext> {
public:
    bool enabled(const AppCommandContext& c) const override {
        return c.activeDocument() != nullptr;
    }
    bool run(AppCommandContext& c) override;
};

// "Colour groups: N" and the other counts, one a line, in the language in use.
QString compiledReport(const CompiledEffects& compiled, const AppCommandContext& c);

}  // namespace vx
