#include "output/cdata/controller_files.h"

#include <unistd.h>

#include "layout/port_table.h"
#include "output/cdata/cdata.h"
#include "output/tables/table_files.h"
#include "platform/file_io.h"

namespace vx {

Result<ControllerFiles> buildControllerFiles(const LampLayout& layout,
                                             const CompiledEffects& compiled,
                                             const std::string& format) {
    TableBuild build = buildTableTexts(compiled);
    ControllerFiles result;
    result.files.push_back({kPortTableFileName, portTableText(layout.lamps)});
    result.files.push_back({kShowPatternFileName, outputText(build.texts, OutputMode::ShowPattern)});
    result.files.push_back(
        {kClusterTablesFileName, outputText(build.texts, OutputMode::ClusterTables)});
    result.files.push_back({kAccessorFileName, outputText(build.texts, OutputMode::Accessors)});

    CDataInput input;
    input.portTable = result.files[0].text;
    input.showPattern = result.files[1].text;
    input.clusterTables = result.files[2].text;
    input.format = format;
    input.lampCount = layout.lamps.size();
    takeTableCounts(input, build);
    auto cdata = buildCData(input);
    if (!cdata) return cdata.error();
    result.leftOutRecords = cdata->leftOutRecords;
    result.files.push_back({kCDataFileName, std::move(cdata->text)});
    result.texts = std::move(build.texts);
    result.refused = std::move(build.refused);
    return result;
}

Status writeControllerFiles(const std::vector<ControllerFile>& files,
                            const std::filesystem::path& folder) {
    const std::string suffix = ".part" + std::to_string(::getpid());
    std::vector<std::filesystem::path> staged;
    const auto discard = [&] {
        std::error_code ec;
        for (const auto& path : staged) std::filesystem::remove(path, ec);
    };
    for (const ControllerFile& file : files) {
        std::error_code ec;
        if (std::filesystem::is_directory(folder / file.name, ec)) {
            discard();
            return Error{"ERR_FILE_SAVE",
                         "cannot write " + (folder / file.name).string() + ": a folder is there"};
        }
        const auto temp = folder / (file.name + suffix);
        const Status written = writeFileAtomically(temp, file.text);
        if (!written) {
            discard();
            return written;
        }
        staged.push_back(temp);
    }
    for (std::size_t i = 0; i < files.size(); ++i) {
        std::error_code ec;
        std::filesystem::rename(staged[i], folder / files[i].name, ec);
        if (ec) {
            discard();
            return Error{"ERR_FILE_SAVE", "cannot write " + (folder / files[i].name).string() +
                                              ": " + ec.message()};
        }
    }
    return {};
}

}  // namespace vx
