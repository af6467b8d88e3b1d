#pragma once
// File > Open: a layout file chosen in the open dialog.

#include "app/ui/commands/app_command_context.h"
#include "base/commands/command_handler.h"

namespace vx {

class OpenFileCommand : public CommandHandler<AppCommandContext> {
public:
    bool enabled(const AppCommandContext&) const override { return true; }
    bool run(AppCommandContext& c) override {
        const QString name = c.askOpenName(
            QStringLiteral("Led Files (*.led *.LED);;Lam Files (*.lam *.LAM);;All Files (*)"));
        if (name.isEmpty()) return false;
        return c.openFile(name.toStdString()) != nullptr;
    }
};

}  // namespace vx
