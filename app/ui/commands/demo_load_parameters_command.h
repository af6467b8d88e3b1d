#pragma once
// Open Code: reads bitmap parameters ("bmp.h") back into the demo; a bad
// file is reported and changes nothing.

#include <QString>

#include "app/ui/commands/demo_picture_command.h"

namespace vx {

class DemoLoadParametersCommand : public DemoPictureCommand {
protected:
    bool act(AppCommandContext& c, DemoView& view) override {
        const QString name =
            c.dialogs().askOpenName(QStringLiteral("Text Files (*.h);;All Files (*)"));
        if (name.isEmpty()) return false;
        const Status read = view.document().loadBmpParameters(name.toStdString());
        if (!read) c.showMessageKey(read.error().key);
        return read.ok();
    }
};

}  // namespace vx
