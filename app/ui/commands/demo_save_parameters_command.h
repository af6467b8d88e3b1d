#pragma once
// Save Code: writes the view's bitmap parameters ("bmp.h") to a file the
// user names.

#include "app/ui/commands/demo_picture_command.h"

namespace vx {

// Asks for the file's name and writes the record; false on Cancel or a
// failed write (reported).
bool saveBmpParametersAs(AppCommandContext& c, DemoView& view);

class DemoSaveParametersCommand : public DemoPictureCommand {
protected:
    bool act(AppCommandContext& c, DemoView& view) override { return saveBmpParametersAs(c, view); }
};

}  // namespace vx
