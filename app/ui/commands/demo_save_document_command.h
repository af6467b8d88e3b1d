#pragma once
// File > Save and Save As of a demo window: the same record as Save Code.

#include "app/ui/commands/demo_save_parameters_command.h"

namespace vx {

class DemoSaveDocumentCommand : public DemoCommand {
protected:
    bool act(AppCommandContext& c, DemoView& view) override { return saveBmpParametersAs(c, view); }
};

}  // namespace vx
