#pragma once
// The controller image a side-by-side run plays: the newest one built from
// the layout, or one built for the run.

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "base/result.h"
#include "layout/lamp_layout.h"
#include "output/firmware/firmware_build.h"

namespace vx {

// The newest "<name><format>.hex" that Create BIN File left in the working
// folder for the document `documentName`, in any format; with
// `layoutWritten`, only one no older than the layout file.
std::optional<std::filesystem::path> newestBuiltImage(
    const std::filesystem::path& workFolder, const std::string& documentName,
    std::optional<std::filesystem::file_time_type> layoutWritten);

// Builds the image with `options` (whose working folder receives it) and
// returns its path; the first message of a failed build is the error, with
// the tool log as its detail.
Result<std::filesystem::path> buildTwinImage(const LampLayout& layout,
                                             const FirmwareBuildOptions& options);

}  // namespace vx
