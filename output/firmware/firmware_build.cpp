#include "output/firmware/firmware_build.h"

#include <sstream>
#include <string_view>
#include <thread>

#include "engine/compile/compile_effects.h"
#include "layout/port_table.h"
#include "output/cdata/cdata.h"
#include "output/firmware/image_tag.h"
#include "output/firmware/sdcc_toolchain.h"
#include "output/firmware/template_writer.h"
#include "output/tables/table_files.h"
#include "platform/file_io.h"
#include "platform/file_set.h"
#include "platform/folder_lock.h"
#include "platform/private_folder.h"

namespace vx {
namespace {

namespace fs = std::filesystem;

bool fileExists(const fs::path& path) {
    std::error_code ec;
    return fs::exists(path, ec);
}

using NamedBytes = std::pair<std::string, std::string>;

// The files of `names` in `folder` that can be read, with their bytes.
std::vector<NamedBytes> readFiles(const fs::path& folder, const std::vector<std::string>& names) {
    std::vector<NamedBytes> files;
    for (const std::string& name : names) {
        if (auto bytes = readFileBytes(folder / name)) {
            files.emplace_back(name, std::string(bytes->begin(), bytes->end()));
        }
    }
    return files;
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

// The code memory the linker was asked for against what the controller has,
// in words, from the linker's memory summary ("ROM/EPROM/FLASH  0x0000
// 0x138fc  80125  65536"); nothing when the summary says the code fits.
std::optional<std::string> codeSpaceShortfall(const fs::path& memorySummary) {
    auto bytes = readFileBytes(memorySummary);
    if (!bytes) return std::nullopt;
    std::istringstream in(std::string(bytes->begin(), bytes->end()));
    constexpr std::string_view kCodeRow = "ROM/EPROM/FLASH";
    for (std::string line; std::getline(in, line);) {
        const auto at = line.find(kCodeRow);
        if (at == std::string::npos) continue;
        std::istringstream fields(line.substr(at + kCodeRow.size()));
        std::string start;
        std::string end;
        std::uintmax_t needed = 0;
        std::uintmax_t room = 0;
        if (fields >> start >> end >> needed >> room && needed > room) {
            return "the program needs " + std::to_string(needed) +
                   " bytes of code memory; the controller has " + std::to_string(room);
        }
    }
    return std::nullopt;
}

std::size_t programGroupsUsed(const CompiledEffects& compiled) {
    std::size_t used = 0;
    for (const auto& group : compiled.programGroups)
        if (!group.empty()) ++used;
    return used;
}

// Every file this build makes is made in a private folder inside the tool
// folder; only the finished image (and "cport.h", and with the keep-files
// marker the tables) reach the working folder, as one set.
constexpr const char* kBuildFolderPrefix = ".vexolume-build-";

class Build {
public:
    Build(const LampLayout& layout, const FirmwareBuildOptions& options)
        : layout_(layout), o_(options), tools_(options.toolFolder), work_(options.workFolder) {}

    FirmwareBuildResult run() {
        auto folder = PrivateFolder::create(tools_, kBuildFolderPrefix);
        if (!folder) return stop(folder.error().key, folder.error().detail);
        const fs::path& build = folder->path();
        writeFirmwareTemplate(build);
        progress(0);
        const CompiledEffects compiled = compileEffects(layout_);
        const TableBuild tables = buildTableTexts(compiled);
        for (auto& message : writeTableFiles(tables, build)) result_.messages.push_back(message);

        // "cport.h" is written with every save; unless told to take that one,
        // the build makes it afresh so the image matches the wiring in memory.
        std::string portTable;
        if (o_.portTableFromWorkFolder) {
            auto saved = readFileBytes(work_ / kPortTableFileName);
            if (!saved) return stop("CRTBINDLG_ONBINGO_PC", saved.error().detail);
            portTable.assign(saved->begin(), saved->end());
        } else {
            portTable = portTableText(layout_.lamps);
        }
        // The tool folder keeps the last build's port table, for the Keil tools.
        if (!writeFileAtomically(build / kPortTableFileName, portTable) ||
            !writeFileAtomically(tools_ / kPortTableFileName, portTable)) {
            return stop("CRTBINDLG_ONBINGO_PC", "cannot copy cport.h into the tool folder");
        }

        const bool haveLinker = fileExists(tools_ / "L51.EXE");
        const bool keepFiles = fileExists(tools_ / kKeepFilesMarker);

        CDataInput input;
        input.format = o_.format;
        input.lampCount = lampCount();
        takeTableCounts(input, tables);
        if (auto written = writeCDataFile(build, input); !written) {
            return stop(kCDataFailedKey, written.error().detail);
        }

        if (cancelled()) return result_;
        auto toolchain = runSdccToolchain(build, o_.format, o_.toolLimit, o_.stopFd);
        if (!toolchain) return stop(toolchain.error().key, toolchain.error().detail);
        result_.toolLog = toolchain->log;
        if (toolchain->stopped) {
            result_.cancelled = true;
            return result_;
        }
        message("ID_MSG_CBINDLG_CREATE", "building the firmware image");
        CapacityInput capacity{o_.format,
                               programGroupsUsed(compiled),
                               input.clusterCount,
                               input.clusterGroupCount,
                               input.colorGroupCount,
                               0};
        if (!toolchain->succeeded) {
            return stepFailed(*toolchain, capacity, build / ("sing" + o_.format + ".mem"));
        }

        const std::string base = "sing" + o_.format;
        if (!waitForBinary(build / (base + ".BIN"),
                           "the binary image did not appear in the tool folder")) {
            return result_;
        }

        std::error_code ec;
        result_.imageSize = fs::file_size(build / (base + ".BIN"), ec);
        if (ec) result_.imageSize = 0;
        capacity.imageSize = result_.imageSize;
        result_.figures = capacityFigures(capacity);
        result_.report =
            capacityReport(capacity, [this](const std::string& key) { return text(key); });
        if (result_.imageSize == 0) return stop(kEmptyImageMessage, "the binary image is empty");

        auto image = taggedImage(build / (base + ".HEX"), lampCount());
        if (!image) return stop(image.error().key, image.error().detail);
        const std::string imageName = imageFileName(o_.documentName, o_.format);
        std::vector<FileToWrite> finished = {{imageName, *image}};
        if (!o_.portTableFromWorkFolder) finished.push_back({kPortTableFileName, portTable});
        // With the keep-files marker the tables stay beside the image.
        const std::vector<NamedBytes> tableFiles =
            keepFiles
                ? readFiles(build, {kShowPatternFileName, kClusterTablesFileName, kCDataFileName})
                : std::vector<NamedBytes>{};
        for (const auto& [name, bytes] : tableFiles) finished.push_back({name, bytes});
        if (auto written = writeFileSet(work_, finished, o_.waiting); !written) {
            return stop("CRTBINDLG_ONBINGO_FDBCF", written.error().detail);
        }
        result_.image = work_ / imageName;
        // Whoever builds with the Keil tools finds everything in the tool folder.
        if (haveLinker && keepFiles) keepInToolFolder(build);
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
    FirmwareBuildResult stepFailed(const ToolchainOutcome& toolchain, const CapacityInput& capacity,
                                   const fs::path& memorySummary) {
        result_.figures = capacityFigures(capacity);
        if (result_.figures.overCapacity() || isCapacityFailure(toolchain.stepOutput)) {
            result_.report =
                capacityReport(capacity, [this](const std::string& key) { return text(key); });
            if (result_.figures.overCapacity()) {
                return stop("ID_MSG_CBINDLG_RRBSB",
                            "the tables are larger than the controller holds");
            }
            const auto shortfall = codeSpaceShortfall(memorySummary);
            return stop(
                "ID_MSG_CBINDLG_RRBSB",
                shortfall ? *shortfall : "the linker: " + firstCapacityLine(toolchain.stepOutput));
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

    // The build's own files, toolchain outputs and all, copied into the tool
    // folder as one set.
    void keepInToolFolder(const fs::path& build) {
        std::vector<std::string> names;
        std::error_code ec;
        for (const auto& entry : fs::directory_iterator(build, ec)) {
            const std::string name = entry.path().filename().string();
            // A lock file of the folder's own (folder_lock.h) is no build file.
            if (entry.is_regular_file(ec) && name != kFolderLockName) names.push_back(name);
        }
        const std::vector<NamedBytes> kept = readFiles(build, names);
        std::vector<FileToWrite> files;
        for (const auto& [name, bytes] : kept) files.push_back({name, bytes});
        if (auto written = writeFileSet(tools_, files); !written) {
            message(written.error().key, written.error().detail);
        }
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
