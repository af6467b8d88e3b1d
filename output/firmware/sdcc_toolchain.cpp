#include "output/firmware/sdcc_toolchain.h"

#include <array>

#include "platform/file_io.h"
#include "platform/process.h"

namespace vx {
namespace {

constexpr const char* kBatchStartKey = "CRTBINDLG_ONBINGO_FTCB";
// The controller's code memory, for the linker and for the binary image
// (makebin's own default is 32 KB).
constexpr const char* kCodeSpace = "65536";

// Template C files and the name each is compiled under (SDCC goes by the
// ".c" extension).
struct Unit {
    std::string source;
    std::string compiled;
};

std::vector<Unit> units(const std::string& format) {
    return {{"VIIC_C51.C", "VIIC_C51.c"},
            {"ZLG7290.C", "ZLG7290.c"},
            {"sing1.mov", "sing" + format + ".c"}};
}

std::string stem(const std::string& name) { return name.substr(0, name.rfind('.')); }

const std::vector<std::string>& sdccFlags() {
    static const std::vector<std::string> flags = {
        "-mmcs51",     "--model-large", "--stack-auto", "--xram-size",          "32768",
        "--code-size", kCodeSpace,      "-I.",          "-Wp,-include,SDCC51.H"};
    return flags;
}

std::string joined(const std::vector<std::string>& argv) {
    std::string line;
    for (const auto& arg : argv) line += (line.empty() ? "" : " ") + arg;
    return line;
}

}  // namespace

Result<ToolchainOutcome> runSdccToolchain(const std::filesystem::path& toolFolder,
                                          const std::string& format,
                                          std::chrono::milliseconds stepLimit, int stopFd) {
    for (const char* tool : {"sdcc", "packihx", "makebin"}) {
        if (!findProgram(tool)) {
            return Error{kBatchStartKey, std::string("the 8051 toolchain cannot be started: ") +
                                             tool + " was not found on PATH"};
        }
    }
    ToolchainOutcome outcome;
    auto step = [&](std::vector<std::string> argv,
                    std::optional<std::filesystem::path> out = std::nullopt) -> Result<bool> {
        const std::string line = joined(argv);
        outcome.log += "$ " + line + "\n";
        ProcessRun run{std::move(argv), toolFolder, stepLimit, std::move(out), stopFd};
        auto result = runProcess(run);
        if (!result) return Error{kBatchStartKey, result.error().detail};
        outcome.log += result->output;
        if (result->timedOut) outcome.log += "(stopped after the time limit)\n";
        if (result->exitCode == 0) return true;
        outcome.failedStep = line;
        outcome.stepOutput = result->output;
        outcome.timedOut = result->timedOut;
        outcome.stopped = result->stopped;
        outcome.exitCode = result->exitCode;
        return false;
    };

    const std::string main = "sing" + format;
    std::vector<std::string> objects;
    for (const auto& unit : units(format)) {
        // Compile a copy named .c: the template names stay as the Keil tools expect.
        auto bytes = readFileBytes(toolFolder / unit.source);
        if (!bytes || !writeFileAtomically(toolFolder / unit.compiled, *bytes)) {
            outcome.failedStep = "copy " + unit.source + " to " + unit.compiled;
            outcome.stepOutput = "cannot read " + unit.source + " in the tool folder\n";
            outcome.log += outcome.stepOutput;
            return outcome;
        }
        std::vector<std::string> argv = {"sdcc"};
        argv.insert(argv.end(), sdccFlags().begin(), sdccFlags().end());
        argv.insert(argv.end(), {"-c", unit.compiled});
        auto ok = step(std::move(argv));
        if (!ok) return ok.error();
        if (!*ok) return outcome;
        objects.push_back(stem(unit.compiled) + ".rel");
    }
    // The main program's object goes first: it holds the reset vector.
    std::vector<std::string> link = {"sdcc"};
    link.insert(link.end(), sdccFlags().begin(), sdccFlags().end());
    link.insert(link.end(), {"-o", main + ".ihx", objects.back()});
    link.insert(link.end(), objects.begin(), objects.end() - 1);
    for (auto& argv : std::array<std::pair<std::vector<std::string>, std::string>, 3>{
             {{link, ""},
              {{"packihx", main + ".ihx"}, main + ".HEX"},
              {{"makebin", "-s", kCodeSpace, "-p", main + ".ihx", main + ".BIN"}, ""}}}) {
        std::optional<std::filesystem::path> out;
        if (!argv.second.empty()) out = toolFolder / argv.second;
        auto ok = step(argv.first, out);
        if (!ok) return ok.error();
        if (!*ok) return outcome;
    }
    outcome.succeeded = true;
    return outcome;
}

}  // namespace vx
