#pragma once
// Create BIN File: from a layout to a tagged controller firmware image.
//
// The build writes the firmware template into the tool folder, compiles the
// layout's effects, writes DSPPTN.H, CSTGRP.h, "cport.h" and CData.h into the
// working folder and brings them into the tool folder, runs the 8051
// toolchain there, copies the hex image into the working folder as
// "<name><format>.hex", reports the capacity used and appends the lamp-count
// tag. Nothing is written outside the two folders; the working folder is
// created when missing.
//
// A build holds an exclusive lock on the tool folder from start to end
// (folder_lock.h), so builds from several windows or processes sharing it run
// one after another, each with its own files. The first toolchain step that
// fails or runs past `toolLimit` ends the build with a message naming it
// ("ERR_FIRMWARE_STEP_FAILED", "ERR_FIRMWARE_STEP_TIMEOUT"); when the data
// does not fit the controller, the message is the capacity report
// ("ID_MSG_CBINDLG_RRBSB"), and the compiler's words are only in toolLog.
//
// Generated files are moved into the tool folder (copied when the keep-files
// marker "TARVIK_2011_TEST.KEEPFILE" is there), and the tool folder is cleaned
// after the run unless both that marker and L51.EXE are there.

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "base/result.h"
#include "layout/lamp_layout.h"
#include "output/firmware/capacity_report.h"

namespace vx {

inline constexpr const char* kKeepFilesMarker = "TARVIK_2011_TEST.KEEPFILE";
inline constexpr const char* kEmptyImageMessage =
    "HEX file is empty, some error occurs!\nPlease check the colorlist.";

struct FirmwareBuildOptions {
    std::string format = "1";  // "1", "2" or "3"
    std::filesystem::path workFolder;
    std::filesystem::path toolFolder;
    std::string documentName;                     // the layout document's name, e.g. "sample.led"
    std::chrono::milliseconds toolLimit{180000};  // per toolchain step
    int pollCount = 100;
    std::chrono::milliseconds pollInterval{20};
    std::function<void(int)> progress;  // 0 to 100
    // Asked when the binary has not appeared; true polls again.
    std::function<bool(const Error&)> retry;
    // Called once when another build holds the tool folder and this one waits.
    std::function<void()> waiting;
    // The language text of a message key; the key itself when not given.
    std::function<std::string(const std::string&)> text;
    // The lamp count for CData.h and the image tag. The desktop program gives
    // the lamps handed over by the last Transfer Data; the layout's own count
    // when not given.
    std::optional<std::size_t> lampCount;
    // Take "cport.h" as the working folder holds it (every save and Transfer
    // Data write it there) instead of writing it afresh from the lamps.
    bool portTableFromWorkFolder = false;
    // Asked between the steps; true ends the build there (`cancelled`).
    std::function<bool()> cancelled;
};

struct FirmwareBuildResult {
    bool completed = false;        // an image was written and tagged
    bool cancelled = false;        // ended early because `cancelled` said so
    std::vector<Error> messages;   // every message shown, in order
    std::string report;            // capacity report (empty when the build stopped before it)
    std::filesystem::path image;   // the tagged image in the working folder
    std::uintmax_t imageSize = 0;  // bytes of the binary image
    CapacityFigures figures;
    std::string toolLog;  // the toolchain's command lines and output
};

FirmwareBuildResult buildFirmware(const LampLayout& layout, const FirmwareBuildOptions& options);

}  // namespace vx
