#pragma once
// Write To Controller: starting the vendor tool that writes a firmware image
// into the designer's controller. Only the start is checked; the desktop
// program never waits for the tool.
//
// Each controller has a command line in the settings, a program followed by
// its arguments, in which "{image}" stands for the image file and "{port}"
// for the serial port. The line is split into words once (blanks separate,
// double quotes group), and the image path and port are put into the words
// afterwards, so each reaches the tool as its own argument and no shell ever
// reads them. A program named without a folder is taken from the tool folder
// when it is there, else from PATH; a relative path is relative to the tool
// folder, in which the tool also runs.

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "base/result.h"

namespace vx {

enum class ControllerModel {
    NoraA,  // "NORA-A(DMX512-RF)": the FlashMagic ISP tool
    NoraB,  // "NORA-B": the STC ISP tool
};

inline constexpr const char* kNoraALabel = "NORA-A(DMX512-RF)";
inline constexpr const char* kNoraBLabel = "NORA-B";
inline constexpr const char* kNoraAStartFailedKey = "CSelPRG_ONOPEN300_ERR";
inline constexpr const char* kNoraBStartFailedKey = "CSelPRG_ONOPEN400_ERR";
// Language-table entry with the STC tool's program, relative to the tool folder.
inline constexpr const char* kStcPathKey = "STC_PATH";

// FlashMagic exists for Windows only: it runs under Wine from the tool folder.
inline constexpr const char* kDefaultNoraACommand = "wine FlashMagic.exe {image}";
// stcgal, the STC ISP tool for Linux, given the port and the image.
inline constexpr const char* kDefaultNoraBArguments = "-p {port} {image}";
inline constexpr const char* kDefaultSerialPort = "/dev/ttyUSB0";

struct ProgrammerSettings {
    std::filesystem::path toolFolder;
    std::string noraACommand = kDefaultNoraACommand;
    // Empty: the program named by "STC_PATH" with kDefaultNoraBArguments.
    std::string noraBCommand;
    std::string stcPath;  // the text of "STC_PATH"
    std::string port = kDefaultSerialPort;
};

// "NORA-A" or "NORA-B" (the command-line names); nothing for anything else.
std::optional<ControllerModel> controllerModelNamed(const std::string& name);

// The message key shown when the controller's tool cannot be started.
const char* startFailedKey(ControllerModel model);

// Splits a command line into words: blanks separate, double quotes group
// (and are removed). Nothing when a quote is left open.
std::optional<std::vector<std::string>> splitCommandLine(const std::string& line);

// The argument vector that starts the controller's tool: the program
// resolved to a full path, "{image}" and "{port}" filled in (a word that
// names "{image}" is left out when no image is given). Fails with the
// controller's start-failed key when the line is empty or malformed or the
// program cannot be found.
Result<std::vector<std::string>> programmerCommand(ControllerModel model,
                                                   const ProgrammerSettings& settings,
                                                   const std::filesystem::path& image);

// Starts a program in a folder and returns at once; failure when it cannot be
// started. startDetached is the real one; tests and the command line pass
// their own.
using ProgramStarter = std::function<Status(const std::vector<std::string>& argv,
                                            const std::filesystem::path& folder)>;

// Starts the programming tool in the tool folder. Fails with
// "CSelPRG_ONOPEN300_ERR" (NORA-A) or "CSelPRG_ONOPEN400_ERR" (NORA-B) when
// it cannot be started; the detail names the program and the reason.
Status launchProgrammer(ControllerModel model, const ProgrammerSettings& settings,
                        const std::filesystem::path& image, const ProgramStarter& start);
Status launchProgrammer(ControllerModel model, const ProgrammerSettings& settings,
                        const std::filesystem::path& image);

}  // namespace vx
