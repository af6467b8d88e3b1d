#pragma once
// File > Open: a layout file chosen in the open dialog (binary or its JSON
// form), or a demo's bitmap
// parameters file (".h"), which opens a demo document holding that picture
// placement and nothing to play.

#include "app/ui/commands/app_command_context.h"
#include "base/commands/command_handler.h"
#include "engine/demo/demo_document.h"

namespace vx {

class OpenFileCommand : public CommandHandler<AppCommandContext> {
public:
    bool enabled(const AppCommandContext&) const override { return true; }
    bool run(AppCommandContext& c) override {
        const QString name = c.dialogs().askOpenName(QStringLiteral(
            "Led Files (*.led *.LED);;Lam Files (*.lam *.LAM);;JSON Layouts (*.json *.JSON);;"
            "Text (*.h);;All Files (*)"));
        if (name.isEmpty()) return false;
        if (name.endsWith(QStringLiteral(".h"), Qt::CaseInsensitive)) return openDemo(c, name);
        return c.openFile(name.toStdString()) != nullptr;
    }

private:
    static bool openDemo(AppCommandContext& c, const QString& name) {
        auto demo = std::make_shared<DemoDocument>(std::vector<Lamp>{}, CompiledEffects{}, 0);
        if (const Status read = demo->loadBmpParameters(name.toStdString()); !read) {
            c.showMessageKey(read.error().key);
            return false;
        }
        return c.openDemoWindow(std::move(demo)) != nullptr;
    }
};

}  // namespace vx
