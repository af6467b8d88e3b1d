#pragma once
// Open BackImage: the picture the demo's lamps are placed over, until the
// first Start.

#include <QString>

#include "app/ui/commands/demo_command.h"
#include "layout/picture/picture_decoder.h"

namespace vx {

class DemoOpenPictureCommand : public DemoCommand {
protected:
    bool available(const DemoDocument& d) const override { return !d.started(); }
    bool act(AppCommandContext& c, DemoView& view) override {
        const QString name = c.dialogs().askOpenName(QStringLiteral(
            "Pictures (*.bmp *.png *.jpg *.jpeg *.gif);;bitmap Files (*.bmp);;All Files (*)"));
        if (name.isEmpty()) return false;
        // Checked before the view decodes it: a refused picture is said, not opened.
        if (const auto size = checkPictureFile(name.toStdString()); !size) {
            c.showMessageKey(size.error().key);
            return false;
        }
        view.document().openPicture(name.toStdString());
        return true;
    }
};

}  // namespace vx
