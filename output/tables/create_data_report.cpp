#include "output/tables/create_data_report.h"

#include <algorithm>

#include "output/firmware/capacity_report.h"

namespace vx {

std::string createDataReport(const CompiledEffects& compiled, const TableBuild& build,
                             const std::function<std::string(const std::string&)>& text) {
    CapacityInput input;
    input.programGroupsUsed = static_cast<std::size_t>(
        std::count_if(compiled.programGroups.begin(), compiled.programGroups.end(),
                      [](const auto& group) { return !group.empty(); }));
    input.clusterCount = compiled.clusters.size();
    input.clusterGroupCount = compiled.clusterGroups.size();
    input.colorGroupCount = compiled.colorGroup.size();
    const CapacityFigures f = capacityFigures(input);

    std::string report =
        text("ID_MSG_CREATEDATA_MODES") + " " + std::to_string(compiled.modes.size()) + "\n";
    const auto line = [&](const char* key, std::size_t count, std::int64_t tenths, std::size_t of) {
        report += text(key) + " " + std::to_string(count) + " (" + formatTenths(tenths) + "% of " +
                  std::to_string(of) + ")\n";
    };
    line("ID_MSG_CBINDLG_COGRP", input.colorGroupCount, f.colorGroups, 101);
    line("ID_MSG_CBINDLG_GRPCLUGRP", input.clusterGroupCount, f.clusterGroups, 61);
    line("ID_MSG_CBINDLG_CLUGRP", input.clusterCount, f.clusters,
         static_cast<std::size_t>(f.clusterCapacity));
    line("ID_MSG_CBINDLG_PRGGRP", input.programGroupsUsed, f.programGroups, kProgramGroupCount);
    const auto file = [&](const char* name, OutputMode mode) {
        report += std::string(name) + " " + std::to_string(outputText(build.texts, mode).size()) +
                  "(Byte)\n";
    };
    file(kShowPatternFileName, OutputMode::ShowPattern);
    file(kClusterTablesFileName, OutputMode::ClusterTables);
    for (const Error& refused : build.refused) report += text(refused.key) + "\n";
    return report;
}

}  // namespace vx
