#include "output/cdata/controller_files.h"

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
    result.files.push_back(
        {kShowPatternFileName, outputText(build.texts, OutputMode::ShowPattern)});
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
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec) {
        return Error{"ERR_FILE_SAVE",
                     "cannot create the folder " + folder.string() + ": " + ec.message()};
    }
    // Dropping a staged file before its commit removes it, so an error part
    // way leaves no file of the set changed.
    std::vector<FileReplacement> staged;
    for (const ControllerFile& file : files) {
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(file.text.data());
        auto written = stageFile(folder / file.name, std::span(bytes, file.text.size()));
        if (!written) return written.error();
        staged.push_back(std::move(*written));
    }
    for (FileReplacement& file : staged) {
        if (auto committed = file.commit(); !committed) return committed;
    }
    return {};
}

}  // namespace vx
