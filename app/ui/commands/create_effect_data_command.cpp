#include "app/ui/commands/create_effect_data_command.h"

#include <string>

#include "engine/compile/compile_effects.h"
#include "output/tables/create_data_report.h"
#include "output/tables/table_files.h"

namespace vx {

bool CreateEffectDataCommand::run(AppCommandContext& c) {
    const CompiledEffects compiled = compileEffects(c.activeDocument()->layout());
    const TableBuild build = buildTableTexts(compiled);
    const std::string report = createDataReport(
        compiled, build, [&c](const std::string& key) { return c.text(key).toStdString(); });
    c.dialogs().showMessage(QString::fromStdString(report).trimmed());
    return true;
}

}  // namespace vx
