#include "programming/programmer_launch.h"

#include <unistd.h>

#include "platform/process.h"

namespace vx {
namespace {

namespace fs = std::filesystem;

bool isExecutable(const fs::path& path) {
    std::error_code ec;
    return fs::is_regular_file(path, ec) && ::access(path.c_str(), X_OK) == 0;
}

void replaceAll(std::string& word, const std::string& from, const std::string& to) {
    for (auto at = word.find(from); at != std::string::npos; at = word.find(from, at + to.size())) {
        word.replace(at, from.size(), to);
    }
}

// The program of a command line as a full path: a path relative to the tool
// folder, or a bare name from the tool folder and then PATH.
Result<fs::path> resolveProgram(const std::string& program, const fs::path& toolFolder,
                                const char* key) {
    const fs::path named(program);
    if (program.find('/') != std::string::npos) {
        const fs::path path = named.is_absolute() ? named : toolFolder / named;
        if (isExecutable(path)) return path;
        return Error{key,
                     "the programming tool " + path.string() + " does not exist or cannot be run"};
    }
    if (isExecutable(toolFolder / named)) return toolFolder / named;
    if (auto found = findProgram(program)) return *found;
    return Error{key, "the programming tool " + program + " is neither in the tool folder " +
                          toolFolder.string() + " nor on PATH"};
}

std::string commandLineOf(ControllerModel model, const ProgrammerSettings& settings) {
    if (model == ControllerModel::NoraA) return settings.noraACommand;
    if (!settings.noraBCommand.empty()) return settings.noraBCommand;
    if (settings.stcPath.empty()) return {};
    // The program may hold blanks: quote it for the split that follows.
    return "\"" + settings.stcPath + "\" " + kDefaultNoraBArguments;
}

}  // namespace

std::optional<ControllerModel> controllerModelNamed(const std::string& name) {
    if (name == "NORA-A") return ControllerModel::NoraA;
    if (name == "NORA-B") return ControllerModel::NoraB;
    return std::nullopt;
}

const char* startFailedKey(ControllerModel model) {
    return model == ControllerModel::NoraA ? kNoraAStartFailedKey : kNoraBStartFailedKey;
}

std::optional<std::vector<std::string>> splitCommandLine(const std::string& line) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    bool quoted = false;
    for (const char c : line) {
        if (c == '"') {
            quoted = !quoted;
            inWord = true;
        } else if (!quoted && (c == ' ' || c == '\t')) {
            if (inWord) words.push_back(std::move(word));
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (quoted) return std::nullopt;
    if (inWord) words.push_back(std::move(word));
    return words;
}

Result<std::vector<std::string>> programmerCommand(ControllerModel model,
                                                   const ProgrammerSettings& settings,
                                                   const fs::path& image) {
    const char* key = startFailedKey(model);
    const std::string line = commandLineOf(model, settings);
    auto words = splitCommandLine(line);
    if (!words) return Error{key, "a quote is left open in the command line: " + line};
    if (words->empty()) {
        return Error{key, model == ControllerModel::NoraB
                              ? std::string("no STC tool: the language table has no ") + kStcPathKey
                              : std::string("no command line for the FlashMagic tool")};
    }
    auto program = resolveProgram(words->front(), settings.toolFolder, key);
    if (!program) return program.error();

    std::vector<std::string> argv = {program->string()};
    const std::string imagePath = image.empty() ? std::string() : fs::absolute(image).string();
    for (auto word = words->begin() + 1; word != words->end(); ++word) {
        std::string arg = *word;
        if (imagePath.empty() && arg.find("{image}") != std::string::npos) continue;
        replaceAll(arg, "{image}", imagePath);
        replaceAll(arg, "{port}", settings.port);
        argv.push_back(std::move(arg));
    }
    return argv;
}

Status launchProgrammer(ControllerModel model, const ProgrammerSettings& settings,
                        const fs::path& image, const ProgramStarter& start) {
    auto argv = programmerCommand(model, settings, image);
    if (!argv) return argv.error();
    const Status started = start(*argv, settings.toolFolder);
    if (!started) return Error{startFailedKey(model), started.error().detail};
    return {};
}

Status launchProgrammer(ControllerModel model, const ProgrammerSettings& settings,
                        const fs::path& image) {
    return launchProgrammer(model, settings, image, startDetached);
}

}  // namespace vx
