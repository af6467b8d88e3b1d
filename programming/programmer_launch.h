#pragma once
// Write To Controller: starting the vendor tool that writes a firmware image
// into the designer's controller. Only the start is checked; the tool runs on
// its own and is never waited for.

#include <filesystem>
#include <functional>
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
// Language-table entry with the STC tool's path, relative to the tool folder.
inline constexpr const char* kStcPathKey = "STC_PATH";
inline constexpr const char* kFlashMagicName = "FlashMagic.exe";

struct ProgrammerSettings {
    std::filesystem::path toolFolder;
    // The FlashMagic tool; the tool folder + "FlashMagic.exe" when empty.
    std::filesystem::path flashMagic;
    // The text of "STC_PATH", relative to the tool folder.
    std::string stcPath;
};

// The program that suits the controller.
std::filesystem::path programmerPath(ControllerModel model, const ProgrammerSettings& settings);

// Starts a program in a folder and returns at once; failure when it cannot be
// started. startDetached is the real one; tests pass their own.
using ProgramStarter =
    std::function<Status(const std::vector<std::string>& argv, const std::filesystem::path& folder)>;

// Starts the programming tool in the tool folder. Fails with
// "CSelPRG_ONOPEN300_ERR" (NORA-A) or "CSelPRG_ONOPEN400_ERR" (NORA-B) when
// it cannot be started; the detail names the path and the reason.
Status launchProgrammer(ControllerModel model, const ProgrammerSettings& settings,
                        const ProgramStarter& start);
Status launchProgrammer(ControllerModel model, const ProgrammerSettings& settings);

}  // namespace vx
