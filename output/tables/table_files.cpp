#include "output/tables/table_files.h"

#include "output/tables/accessors.h"
#include "output/tables/cluster_tables.h"
#include "output/tables/show_pattern.h"
#include "platform/file_io.h"

namespace vx {
namespace {

void take(Result<TextPieces> built, TextPieces& list, std::vector<Error>& refused) {
    if (built) {
        list = std::move(built).value();
    } else {
        list.clear();
        refused.push_back(built.error());
    }
}

}  // namespace

TableBuild buildTableTexts(const CompiledEffects& compiled) {
    TableBuild build;
    TableTexts& t = build.texts;
    t.showPattern = buildShowPatternText(compiled);
    take(buildCstGroupText(compiled.clusters), t.clusters, build.refused);
    take(buildClusterGroupText(compiled.clusterGroups), t.clusterGroup, build.refused);
    take(buildColorGroupText(compiled.colorGroup), t.colorGroup, build.refused);
    t.clusterCount = compiled.clusters.size();
    t.clusterGroupCount = compiled.clusterGroups.size();
    t.colorGroupCount = compiled.colorGroup.size();
    t.getPtn = buildGetPtnText(compiled);
    return build;
}

std::vector<Error> writeTableFiles(const TableBuild& build, const std::filesystem::path& folder) {
    std::vector<Error> messages = build.refused;
    const Status showPattern = writeFileAtomically(
        folder / kShowPatternFileName, outputText(build.texts, OutputMode::ShowPattern));
    if (!showPattern) {
        messages.push_back(Error{"MODETESTDOC_ONOUTTEXT_FTCD", showPattern.error().detail});
    }
    (void)writeFileAtomically(folder / kClusterTablesFileName,
                              outputText(build.texts, OutputMode::ClusterTables));
    return messages;
}

Status writeTableFile(const TableTexts& texts, OutputMode mode, const std::filesystem::path& path) {
    if (mode == OutputMode::Normal) return {};
    return writeFileAtomically(path, outputText(texts, mode));
}

}  // namespace vx
