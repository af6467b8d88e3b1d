#pragma once
// Scan > Open Image (32771): a picture of the installation, shown fitted
// behind the lattice of the active layout view. A file that is no picture is
// reported and changes nothing. Offered in the effect window too, where it
// says that it needs a layout window.

#include "app/ui/commands/app_command_context.h"
#include "base/commands/command_handler.h"
#include "layout/picture/picture_decoder.h"
#include "layout/ui/layout_view.h"

namespace vx {

class OpenImageCommand : public CommandHandler<AppCommandContext> {
public:
    bool enabled(const AppCommandContext& c) const override {
        return c.activeDocumentWindow() != nullptr;
    }
    bool run(AppCommandContext& c) override {
        if (c.activeLayoutView() == nullptr) {
            c.showMessageKey("OPEN_IMAGE_NEEDS_LAYOUT");
            return false;
        }
        const QString name = c.dialogs().askOpenName(QStringLiteral(
            "Pictures (*.jpg *.jpeg *.JPG *.png *.PNG *.bmp *.BMP *.gif *.GIF);;All Files (*)"));
        if (name.isEmpty()) return false;
        const auto picture = readPicture(name.toStdString());
        if (!picture) {
            c.showMessageKey(picture.error().key);
            return false;
        }
        return c.activeLayoutView()->openPicture(*picture);
    }
};

}  // namespace vx
