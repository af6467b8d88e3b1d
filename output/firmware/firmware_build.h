#pragma once
// Create BIN File: from a layout to a tagged controller firmware image.
//
// Each build works in a private folder of its own inside the tool folder
// (platform/private_folder.h): it writes the firmware template, compiles the
// layout's effects, writes DSPPTN.H, CSTGRP.h, "cport.h" and CData.h there,
// runs the 8051 toolchain there and tags the hex image. Only finished files
// leave it: the image "<name><format>.hex" and, when the build made it afresh,
// "cport.h" reach the working folder as one set (platform/file_set.h), so
// builds sharing a tool folder or a working folder never see each other's
// files, and the working folder ends with one build's set whole. No file the
// build did not make is deleted; its private folder goes on every way out.
// The tool folder also receives the last build's "cport.h".
//
// The first toolchain step that fails or runs past `toolLimit` ends the build
// with a message naming it ("ERR_FIRMWARE_STEP_FAILED",
// "ERR_FIRMWARE_STEP_TIMEOUT"); when the data does not fit the controller,
// the message is the capacity report ("ID_MSG_CBINDLG_RRBSB") with the sizes
// in words, and the compiler's words are only in toolLog.
//
// With the keep-files marker "TARVIK_2011_TEST.KEEPFILE" in the tool folder
// the tables also reach the working folder; with the marker and L51.EXE there
// every file of the build is copied into the tool folder for the Keil tools.

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
    // Called once when another build is writing into the working folder and
    // this one waits to write its files.
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
    // Readable when the build must stop at once (a stop signal's descriptor,
    // stop_signals.h): the toolchain step in hand is ended (`cancelled`).
    int stopFd = -1;
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
