#include "output/cdata/controller_files.h"

#include "layout/port_table.h"
#include "output/cdata/cdata.h"
#include "output/tables/table_files.h"
#include "platform/file_set.h"

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
    std::vector<FileToWrite> set;
    for (const ControllerFile& file : files) set.push_back({file.name, file.text});
    return writeFileSet(folder, set);
}

}  // namespace vx
