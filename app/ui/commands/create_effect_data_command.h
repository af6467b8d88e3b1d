#pragma once
// 31772 Create Data: compiles the effects, builds the controller tables and
// shows what they hold, with the message of each table that is over its
// limit.

#include "app/ui/commands/layout_document_command.h"

namespace vx {

class CreateEffectDataCommand : public LayoutDocumentCommand {
public:
    bool run(AppCommandContext& c) override;
};

}  // namespace vx
