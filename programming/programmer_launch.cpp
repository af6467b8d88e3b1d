#include "programming/programmer_launch.h"

#include "platform/process.h"

namespace vx {

std::filesystem::path programmerPath(ControllerModel model, const ProgrammerSettings& settings) {
    if (model == ControllerModel::NoraA) {
        return settings.flashMagic.empty() ? settings.toolFolder / kFlashMagicName
                                           : settings.flashMagic;
    }
    return settings.toolFolder / settings.stcPath;
}

Status launchProgrammer(ControllerModel model, const ProgrammerSettings& settings,
                        const ProgramStarter& start) {
    const char* key = model == ControllerModel::NoraA ? kNoraAStartFailedKey : kNoraBStartFailedKey;
    if (model == ControllerModel::NoraB && settings.stcPath.empty()) {
        return Error{key, std::string("no path for the STC tool: the language table has no ") +
                              kStcPathKey};
    }
    const std::filesystem::path program = programmerPath(model, settings);
    std::error_code ec;
    if (!std::filesystem::is_regular_file(program, ec)) {
        return Error{key, "the programming tool " + program.string() + " does not exist"};
    }
    const Status started = start({program.string()}, settings.toolFolder);
    if (!started) return Error{key, started.error().detail};
    return {};
}

Status launchProgrammer(ControllerModel model, const ProgrammerSettings& settings) {
    return launchProgrammer(model, settings, startDetached);
}

}  // namespace vx
