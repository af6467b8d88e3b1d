#pragma once
// File > New as the framework has it: asks for the document type by name,
// "Edit" (a layout) or "Text" (a demo).

#include "app/ui/commands/app_command_context.h"
#include "base/commands/command_handler.h"

namespace vx {

class NewDocumentCommand : public CommandHandler<AppCommandContext> {
public:
    bool enabled(const AppCommandContext&) const override { return true; }
    bool run(AppCommandContext& c) override {
        const QString type =
            c.dialogs().askDocumentType({QStringLiteral("Edit"), QStringLiteral("Text")});
        if (type == QStringLiteral("Edit")) return c.newLayout() != nullptr;
        if (type == QStringLiteral("Text")) return c.newDemo() != nullptr;
        return false;
    }
};

}  // namespace vx
