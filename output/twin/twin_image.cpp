#include "output/twin/twin_image.h"

#include "output/firmware/image_tag.h"

namespace vx {

namespace fs = std::filesystem;

std::optional<fs::path> newestBuiltImage(const fs::path& workFolder,
                                         const std::string& documentName,
                                         std::optional<fs::file_time_type> layoutWritten) {
    std::optional<fs::path> newest;
    fs::file_time_type newestTime{};
    for (const char* format : {"1", "2", "3"}) {
        const fs::path image = workFolder / imageFileName(documentName, format);
        std::error_code ec;
        if (!fs::is_regular_file(image, ec)) continue;
        const auto written = fs::last_write_time(image, ec);
        if (ec || (layoutWritten && written < *layoutWritten)) continue;
        if (!newest || written > newestTime) {
            newest = image;
            newestTime = written;
        }
    }
    return newest;
}

Result<fs::path> buildTwinImage(const LampLayout& layout, const FirmwareBuildOptions& options) {
    const FirmwareBuildResult built = buildFirmware(layout, options);
    if (built.completed) return built.image;
    if (built.cancelled) return Error{"ERR_SIM_STOPPED", "the firmware build was stopped"};
    for (const Error& message : built.messages) {
        if (message.key != "ID_MSG_CBINDLG_CREATE") {
            return Error{message.key, message.detail.empty() ? built.toolLog : message.detail};
        }
    }
    return Error{"ERR_FIRMWARE_STEP_FAILED", built.toolLog};
}

}  // namespace vx
