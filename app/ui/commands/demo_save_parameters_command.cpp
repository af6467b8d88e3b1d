#include "app/ui/commands/demo_save_parameters_command.h"

#include <QString>

#include <string>

#include "platform/file_io.h"

namespace vx {

bool saveBmpParametersAs(AppCommandContext& c, DemoView& view) {
    const QString name = c.dialogs().askSaveName(QStringLiteral("Text Files (*.h);;All Files (*)"));
    if (name.isEmpty()) return false;
    const auto bytes = view.saveBmpParameters();
    const Status written =
        writeFileAtomically(name.toStdString(), std::string(bytes.begin(), bytes.end()));
    if (!written) c.showMessageKey(written.error().key);
    return written.ok();
}

}  // namespace vx
