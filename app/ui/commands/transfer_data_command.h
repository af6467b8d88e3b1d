#pragma once
// Transfer Data: hands the layout's lamps to the effect side as one undoable
// step, opens an effect window over the document and writes the port table.
// Below two lamps it does nothing.

#include "app/ui/commands/app_command_context.h"
#include "base/commands/command_handler.h"

namespace vx {

class TransferDataCommand : public CommandHandler<AppCommandContext> {
public:
    bool enabled(const AppCommandContext& c) const override {
        return c.activeDocument() != nullptr;
    }
    bool run(AppCommandContext& c) override;
};

}  // namespace vx
