#pragma once
// 32843: the Create BIN File dialog over the active layout, which builds the
// firmware image.

#include "app/ui/commands/layout_document_command.h"

namespace vx {

class CreateBinFileCommand : public LayoutDocumentCommand {
public:
    bool run(AppCommandContext& c) override;
};

}  // namespace vx
