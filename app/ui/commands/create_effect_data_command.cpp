#include "app/ui/commands/create_effect_data_command.h"

#include "engine/compile/compile_effects.h"

namespace vx {

QString compiledReport(const CompiledEffects& compiled, const AppCommandContext& c) {
    std::size_t programs = 0;
    for (const auto& group : compiled.programGroups) programs += group.empty() ? 0u : 1u;
    const auto line = [&c](std::string_view key, std::size_t n) {
        return c.text(key) + " " + QString::number(n);
    };
    return QStringList{line("ID_MSG_CBINDLG_COGRP", compiled.colorGroup.size()),
                       line("ID_MSG_CBINDLG_CLUGRP", compiled.cstGroup.size()),
                       line("ID_MSG_CBINDLG_GRPCLUGRP", compiled.cstGroupGroup.size()),
                       line("ID_MSG_CBINDLG_PRGGRP", programs)}
        .join('\n');
}

bool CreateEffectDataCommand::run(AppCommandContext& c) {
    const auto document = c.activeDocument();
    const CompiledEffects compiled = compileEffects(document->layout());
    c.showMessage(compiledReport(compiled, c));
    return true;
}

}  // namespace vx
