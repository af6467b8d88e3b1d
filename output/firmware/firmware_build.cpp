#include "output/firmware/firmware_build.h"

#include <string_view>
#include <thread>

#include "engine/compile/compile_effects.h"
#include "layout/port_table.h"
#include "output/cdata/cdata.h"
#include "output/firmware/image_tag.h"
#include "output/firmware/sdcc_toolchain.h"
#include "output/firmware/template_writer.h"
#include "output/tables/table_files.h"
#include "platform/folder_lock.h"

namespace vx {
namespace {

namespace fs = std::filesystem;

const std::vector<std::string> kToolOutputs = {".OMF", ".OBJ", ".M51", ".LST", ".HEX", ".BIN"};

void removeQuietly(const fs::path& path) {
    std::error_code ec;
    fs::remove(path, ec);
}

bool fileExists(const fs::path& path) {
    std::error_code ec;
    return fs::exists(path, ec);
}

bool copyOver(const fs::path& from, const fs::path& to) {
    std::error_code ec;
    return fs::copy_file(from, to, fs::copy_options::overwrite_existing, ec) && !ec;
}

// The linker's words for data or code that does not fit the 8052's memories.
constexpr std::string_view kCapacityWords[] = {"Insufficient", "memory limit is exceeded",
                                               "Could not get"};

bool isCapacityFailure(const std::string& output) {
    for (std::string_view words : kCapacityWords) {
        if (output.find(words) != std::string::npos) return true;
    }
    return false;
}

std::string firstCapacityLine(const std::string& output) {
    std::size_t at = std::string::npos;
    for (std::string_view words : kCapacityWords) at = std::min(at, output.find(words));
    if (at == std::string::npos) return {};
    const auto start = output.rfind('\n', at);
    const auto from = start == std::string::npos ? 0 : start + 1;
    return output.substr(from, output.find('\n', at) - from);
}

std::size_t programGroupsUsed(const CompiledEffects& compiled) {
    std::size_t used = 0;
    for (const auto& group : compiled.programGroups)
        if (!group.empty()) ++used;
    return used;
}

class Build {
public:
    Build(const LampLayout& layout, const FirmwareBuildOptions& options)
        : layout_(layout), o_(options), tools_(options.toolFolder), work_(options.workFolder) {}

    FirmwareBuildResult run() {
        // Every build uses the same names in the tool folder: one build at a
        // time, from the template written to the image copied out.
        auto lock = FolderLock::acquire(tools_, o_.waiting);
        if (!lock) return stop(lock.error().key, lock.error().detail);
        std::error_code ec;
        fs::create_directories(work_, ec);
        if (ec) {
            return stop("ERR_FILE_SAVE",
                        "cannot create the working folder " + work_.string() + ": " + ec.message());
        }
        writeFirmwareTemplate(tools_);
        progress(0);
        const CompiledEffects compiled = compileEffects(layout_);

        removeQuietly(tools_ / kClusterTablesFileName);
        removeQuietly(tools_ / kPortTableFileName);
        removeQuietly(tools_ / kShowPatternFileName);
        for (const auto& ext : kToolOutputs) removeQuietly(tools_ / ("DSP" + o_.format + ext));
        // Outputs of an earlier run kept in the tool folder would otherwise be
        // taken for this run's image when this run's compile fails.
        for (const auto& ext : kToolOutputs) removeQuietly(tools_ / ("sing" + o_.format + ext));

        const TableBuild tables = buildTableTexts(compiled);
        for (auto& message : writeTableFiles(tables, work_)) result_.messages.push_back(message);

        // "cport.h" is written with every save; unless told to take that one,
        // the build writes it afresh so the image matches the wiring in memory.
        if (!o_.portTableFromWorkFolder) {
            if (auto ports = writePortTable(layout_.lamps, work_); !ports) {
                return stop(ports.error().key, ports.error().detail);
            }
        }
        if (!copyOver(work_ / kPortTableFileName, tools_ / kPortTableFileName)) {
            return stop("CRTBINDLG_ONBINGO_PC", "cannot copy cport.h into the tool folder");
        }

        const bool haveLinker = fileExists(tools_ / "L51.EXE");
        const bool keepFiles = fileExists(tools_ / kKeepFilesMarker);

        CDataInput input;
        input.format = o_.format;
        input.lampCount = lampCount();
        takeTableCounts(input, tables);
        if (auto written = writeCDataFile(work_, input); !written) {
            return stop(kCDataFailedKey, written.error().detail);
        }
        for (const auto& [name, key] : {std::pair{kShowPatternFileName, "CRTBINDLG_ONBINGO_FDCF"},
                                        std::pair{kClusterTablesFileName, "CRTBINDLG_ONBINGO_FCCF"},
                                        std::pair{kCDataFileName, kCDataFailedKey}}) {
            if (!copyOver(work_ / name, tools_ / name)) {
                return stop(key, std::string("cannot bring ") + name + " into the tool folder");
            }
            if (!keepFiles) removeQuietly(work_ / name);
        }

        if (cancelled()) return result_;
        auto toolchain = runSdccToolchain(tools_, o_.format, o_.toolLimit);
        if (!toolchain) {
            deleteFirmwareTemplate(tools_);
            return stop(toolchain.error().key, toolchain.error().detail);
        }
        result_.toolLog = toolchain->log;
        message("ID_MSG_CBINDLG_CREATE", "building the firmware image");
        CapacityInput capacity{o_.format,
                               programGroupsUsed(compiled),
                               input.clusterCount,
                               input.clusterGroupCount,
                               input.colorGroupCount,
                               0};
        if (!toolchain->succeeded) return stepFailed(*toolchain, capacity);

        const std::string base = "sing" + o_.format;
        if (!waitForBinary(tools_ / (base + ".BIN"),
                           "the binary image did not appear in the tool folder")) {
            return result_;
        }

        result_.imageSize = fs::file_size(tools_ / (base + ".BIN"), ec);
        if (ec) result_.imageSize = 0;
        capacity.imageSize = result_.imageSize;
        result_.figures = capacityFigures(capacity);
        result_.report =
            capacityReport(capacity, [this](const std::string& key) { return text(key); });
        if (result_.imageSize == 0) return stop(kEmptyImageMessage, "the binary image is empty");

        const fs::path image = work_ / imageFileName(o_.documentName, o_.format);
        if (auto written = writeTaggedImage(tools_ / (base + ".HEX"), image, lampCount());
            !written) {
            return stop(written.error().key, written.error().detail);
        }
        result_.image = image;
        if (!(haveLinker && keepFiles)) cleanToolFolder(base);
        progress(100);
        result_.completed = true;
        return result_;
    }

private:
    std::string text(const std::string& key) const { return o_.text ? o_.text(key) : key; }

    std::size_t lampCount() const { return o_.lampCount.value_or(layout_.lamps.size()); }

    bool cancelled() {
        if (o_.cancelled && o_.cancelled()) result_.cancelled = true;
        return result_.cancelled;
    }

    void progress(int value) const {
        if (o_.progress) o_.progress(value);
    }

    void message(const std::string& key, std::string detail) {
        result_.messages.push_back(Error{key, std::move(detail)});
    }

    FirmwareBuildResult stop(const std::string& key, std::string detail) {
        message(key, std::move(detail));
        return result_;
    }

    std::string limitText() const {
        const auto ms = o_.toolLimit.count();
        return ms % 1000 == 0 ? std::to_string(ms / 1000) + " s" : std::to_string(ms) + " ms";
    }

    // The first failed step ends the build. Data that does not fit the
    // controller is reported by its capacity lines; the compiler's own words
    // stay in toolLog.
    FirmwareBuildResult stepFailed(const ToolchainOutcome& toolchain,
                                   const CapacityInput& capacity) {
        result_.figures = capacityFigures(capacity);
        if (result_.figures.overCapacity() || isCapacityFailure(toolchain.stepOutput)) {
            result_.report =
                capacityReport(capacity, [this](const std::string& key) { return text(key); });
            return stop("ID_MSG_CBINDLG_RRBSB",
                        result_.figures.overCapacity()
                            ? std::string("the tables are larger than the controller holds")
                            : "the linker: " + firstCapacityLine(toolchain.stepOutput));
        }
        if (toolchain.timedOut) {
            return stop("ERR_FIRMWARE_STEP_TIMEOUT",
                        toolchain.failedStep + "\ndid not finish within " + limitText());
        }
        return stop("ERR_FIRMWARE_STEP_FAILED", toolchain.failedStep + "\nended with status " +
                                                    std::to_string(toolchain.exitCode) + ":\n" +
                                                    toolchain.stepOutput);
    }

    bool waitForBinary(const fs::path& binary, const std::string& detail) {
        while (true) {
            for (int i = 0; i < o_.pollCount; ++i) {
                if (fileExists(binary)) return true;
                if (cancelled()) return false;
                progress(std::min(100, i + 1));
                std::this_thread::sleep_for(o_.pollInterval);
            }
            if (fileExists(binary)) return true;
            const Error asked{"CRTBINDLG_ONBINGO_CBFF", detail};
            result_.messages.push_back(asked);
            if (cancelled() || !o_.retry || !o_.retry(asked)) return false;
        }
    }

    void cleanToolFolder(const std::string& base) {
        for (const char* name : {kClusterTablesFileName, kShowPatternFileName, kCDataFileName}) {
            removeQuietly(tools_ / name);
        }
        deleteFirmwareTemplate(tools_);
        for (const auto& ext : kToolOutputs) removeQuietly(tools_ / (base + ext));
        for (const auto& name : toolchainScratchFiles(o_.format)) removeQuietly(tools_ / name);
    }

    const LampLayout& layout_;
    const FirmwareBuildOptions& o_;
    fs::path tools_;
    fs::path work_;
    FirmwareBuildResult result_;
};

}  // namespace

FirmwareBuildResult buildFirmware(const LampLayout& layout, const FirmwareBuildOptions& options) {
    return Build(layout, options).run();
}

}  // namespace vx
