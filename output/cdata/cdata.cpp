#include "output/cdata/cdata.h"

#include <array>
#include <charconv>
#include <vector>

#include "layout/port_table.h"
#include "output/cdata/table_parse.h"
#include "output/tables/cluster_tables.h"
#include "output/tables/table_files.h"
#include "output/tables/table_texts.h"
#include "platform/file_io.h"

namespace vx {
namespace {

constexpr std::size_t kPrograms = 32;
constexpr std::size_t kPorts = 12;
constexpr const char* kEol = "\r\n";

Error failure(std::string detail) { return Error{kCDataFailedKey, std::move(detail)}; }

using Values = std::vector<std::int64_t>;

// The entries of one family that the recorded count covers and the text holds.
std::vector<const Values*> entries(const ArrayFamilies& families, const std::string& family,
                                   std::size_t count) {
    std::vector<const Values*> result(count, nullptr);
    const auto found = families.find(family);
    if (found == families.end()) return result;
    for (const auto& [index, values] : found->second) {
        if (index < count) result[index] = &values;
    }
    return result;
}

std::string joined(const Values& values) {
    std::string text;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0) text += ',';
        text += std::to_string(values[i]);
    }
    return text;
}

struct Tables {
    std::vector<const Values*> clusters;
    std::vector<const Values*> groups;
    std::vector<const Values*> colors;
    bool clustersRefused = false;
    bool groupsRefused = false;
    bool colorsRefused = false;
};

class RecordWriter {
public:
    RecordWriter(const Tables& tables, std::size_t firstFadeTable)
        : tables_(tables), nextFadeTable_(firstFadeTable) {}

    // The PTN record of one row; empty when the row code makes none or when it
    // names an entry of a refused family (counted in leftOut()).
    Result<std::string> record(const PatternRow& row, std::string& fadeTables) {
        if (namesRefusedTable(row)) {
            ++leftOut_;
            return std::string();
        }
        const auto code = number(row.fields[0]);
        if (!code) return code.error();
        const std::int64_t c = *code;
        if (c < 0 || c > 10) return std::string();
        const std::size_t needed = c == 0 ? 11 : c <= 6 ? 6 : 5;
        if (row.fields.size() < needed) {
            return failure("DSPPTN row of code " + std::to_string(c) + " has " +
                           std::to_string(row.fields.size()) + " fields");
        }
        const auto& f = row.fields;
        const std::string direction =
            (c == 2 || c == 3 || c == 4 || c == 6 || c == 8 || c == 10) ? "1" : "0";
        if (c == 0) return fade(f, fadeTables);
        if (c <= 4 || c == 7 || c == 8) {
            auto g = index(f[1], tables_.groups, "cluster group");
            auto k = index(f[2], tables_.colors, "colour group");
            if (!g) return g.error();
            if (!k) return k.error();
            const bool stepped = c <= 4;
            return std::string(stepped ? "{0," : "{4,") + f[3] + "," + f[4] + "," + direction +
                   "," + std::to_string(tables_.groups[*g]->size()) + ",CSTG" + std::to_string(*g) +
                   "," + colorCount(*k) + ",CLRGRP" + std::to_string(*k) + ",{0,0,0},0,0,0}";
        }
        auto k = index(f[1], tables_.clusters, "cluster");
        auto col = index(f[2], tables_.colors, "colour group");
        if (!k) return k.error();
        if (!col) return col.error();
        const bool chase = c <= 6;
        return std::string(chase ? "{5," : "{9,") + f[3] + "," + f[4] + "," + direction + ",0,0," +
               colorCount(*col) + ",CLRGRP" + std::to_string(*col) + ",{0,0,0},0," +
               std::to_string(tables_.clusters[*k]->size()) + ",CST" + std::to_string(*k) + "}";
    }

    std::size_t leftOut() const { return leftOut_; }

private:
    bool namesRefusedTable(const PatternRow& row) const {
        const auto code = number(row.fields[0]);
        if (!code || *code < 0 || *code > 10) return false;
        if (*code == 0) return tables_.clustersRefused;
        const bool grouped = *code <= 4 || *code == 7 || *code == 8;
        return tables_.colorsRefused || (grouped ? tables_.groupsRefused : tables_.clustersRefused);
    }

    static Result<std::int64_t> number(const std::string& field) {
        std::int64_t value = 0;
        const auto [ptr, ec] = std::from_chars(field.data(), field.data() + field.size(), value);
        if (ec != std::errc{} || ptr != field.data() + field.size()) {
            return failure("DSPPTN field is not a number: " + field);
        }
        return value;
    }

    static Result<std::size_t> index(const std::string& field,
                                     const std::vector<const Values*>& table, const char* what) {
        const auto value = number(field);
        if (!value) return value.error();
        if (*value < 0 || static_cast<std::size_t>(*value) >= table.size() ||
            table[static_cast<std::size_t>(*value)] == nullptr) {
            return failure(std::string("DSPPTN row names ") + what + " " + field +
                           ", which CSTGRP.h does not hold");
        }
        return static_cast<std::size_t>(*value);
    }

    std::string colorCount(std::size_t c) const {
        return std::to_string(tables_.colors[c]->size() / 3);
    }

    Result<std::string> fade(const std::vector<std::string>& f, std::string& fadeTables) {
        auto k = index(f[10], tables_.clusters, "cluster");
        if (!k) return k.error();
        std::array<std::int64_t, 3> second{};
        for (std::size_t i = 0; i < 3; ++i) {
            const auto target = number(f[5 + i]);
            if (!target) return target.error();
            second[i] = decodeFadeTarget(*target);
        }
        const std::string table = std::to_string(nextFadeTable_++);
        fadeTables += "code RGB CLRGRP" + table + "[]={{" + f[2] + "," + f[3] + "," + f[4] + "},{" +
                      std::to_string(second[0]) + "," + std::to_string(second[1]) + "," +
                      std::to_string(second[2]) + "}};" + kEol;
        return "{3," + f[8] + "," + f[1] + ",0,0,0,2,CLRGRP" + table + ",{0,0,0},0," +
               std::to_string(tables_.clusters[*k]->size()) + ",CST" + std::to_string(*k) + "}";
    }

    const Tables& tables_;
    std::size_t nextFadeTable_;
    std::size_t leftOut_ = 0;
};

// Six summaries of the DMX line, one per pair of ports: {first port of the
// pair, first output address, lamps sent before the pair, lamps sent up to the
// end of the pair, lamps of the pair}. The last one thus holds the address of
// the first lamp and the number of lamps sent.
std::string portArrays(const ArrayFamilies& ports) {
    std::array<std::size_t, kPorts> counts{};
    const auto found = ports.find("CPort");
    if (found != ports.end()) {
        for (const auto& [port, values] : found->second) {
            if (port >= 1 && port <= kPorts) counts[port - 1] = values.size();
        }
    }
    std::string text;
    std::size_t sent = 0;
    for (std::size_t pair = 0; pair < kPorts / 2; ++pair) {
        const std::size_t before = sent;
        sent += counts[2 * pair] + counts[2 * pair + 1];
        text += "code unsigned int Port" + std::to_string(pair) + "[5]={" +
                std::to_string(2 * pair + 1) + ",1," + std::to_string(before) + "," +
                std::to_string(sent) + "," + std::to_string(sent - before) + "};" + kEol;
    }
    return text;
}

}  // namespace

std::int64_t decodeFadeTarget(std::int64_t value) {
    if (value >= 3072) return value - 3072;
    if (value >= 2048) return value - 2048;
    // Packed sums with one or no increasing channel: 768 + 512 + 512, 3 x 512.
    if (value >= 1792) return value - 1792;
    if (value >= 1536) return value - 1536;
    // One flag per channel: 768 increasing, 512 decreasing.
    if (value >= 768) return value - 768;
    if (value >= 512) return value - 512;
    return value;
}

Result<std::string> buildCDataText(const CDataInput& input) {
    auto built = buildCData(input);
    if (!built) return built.error();
    return std::move(built->text);
}

Result<CDataText> buildCData(const CDataInput& input) {
    auto ports = parseArrays(input.portTable);
    if (!ports) return failure("cport.h: " + ports.error().detail);
    auto clusterText = parseArrays(input.clusterTables);
    if (!clusterText) return failure("CSTGRP.h: " + clusterText.error().detail);
    // A refused family's arrays are not in the text, so its count says
    // nothing; the cluster groups name clusters and go with them.
    const bool groupsRefused = input.clusterGroupsRefused || input.clustersRefused;
    const Tables tables{
        entries(*clusterText, "CstGroup", input.clustersRefused ? 0 : input.clusterCount),
        entries(*clusterText, "Cst_GroupGroup", groupsRefused ? 0 : input.clusterGroupCount),
        entries(*clusterText, "Color_Group", input.colorGroupsRefused ? 0 : input.colorGroupCount),
        input.clustersRefused,
        groupsRefused,
        input.colorGroupsRefused};

    std::array<std::vector<std::string>, kPrograms> records;
    std::string fadeTables;
    RecordWriter writer(tables, tables.colors.size());
    for (const PatternRow& row : parsePatternRows(input.showPattern)) {
        auto record = writer.record(row, fadeTables);
        if (!record) return record.error();
        if (!record->empty() && row.program < kPrograms) {
            records[row.program].push_back(std::move(record).value());
        }
    }

    std::string text =
        std::string("#include <DatTyp") + (input.format == "1" ? "1" : "2") + ".h>" + kEol;
    text += "#define TOTLMPCNT\t " + std::to_string(input.lampCount) + kEol;
    for (std::size_t p = 0; p < kPrograms; ++p) {
        text += "#define PTNCNT" + std::to_string(p + 1) + "\t\t " +
                std::to_string(records[p].size()) + kEol;
    }
    text += portArrays(*ports);
    for (std::size_t k = 0; k < tables.clusters.size(); ++k) {
        const Values* lamps = tables.clusters[k];
        if (lamps == nullptr) continue;
        // C51 has no empty arrays; an empty lamp list keeps one unused 0.
        text += "code unsigned int CST" + std::to_string(k) + "[]={" +
                (lamps->empty() ? std::string("0") : joined(*lamps)) + "};" + kEol;
    }
    for (std::size_t g = 0; g < tables.groups.size(); ++g) {
        const Values* members = tables.groups[g];
        if (members == nullptr) continue;
        std::string line = "code CSTG CSTG" + std::to_string(g) + "[]={";
        if (members->empty()) line += "{0,0},";
        for (const std::int64_t k : *members) {
            if (k < 0 || static_cast<std::size_t>(k) >= tables.clusters.size() ||
                tables.clusters[static_cast<std::size_t>(k)] == nullptr) {
                return failure("Cst_GroupGroup" + std::to_string(g) + " names cluster " +
                               std::to_string(k) + ", which CSTGRP.h does not hold");
            }
            line += "{" + std::to_string(tables.clusters[static_cast<std::size_t>(k)]->size()) +
                    ",CST" + std::to_string(k) + "},";
        }
        line.back() = '}';
        text += line + ";" + kEol;
    }
    for (std::size_t c = 0; c < tables.colors.size(); ++c) {
        const Values* colors = tables.colors[c];
        if (colors == nullptr) continue;
        std::string line = "code RGB CLRGRP" + std::to_string(c) + "[]={";
        if (colors->size() < 3) line += "{0,0,0},";
        for (std::size_t i = 0; i + 2 < colors->size(); i += 3) {
            line += "{" + std::to_string((*colors)[i]) + "," + std::to_string((*colors)[i + 1]) +
                    "," + std::to_string((*colors)[i + 2]) + "},";
        }
        line.back() = '}';
        text += line + ";" + kEol;
    }
    text += fadeTables;
    for (std::size_t p = 0; p < kPrograms; ++p) {
        const std::string n = std::to_string(p + 1);
        if (records[p].empty()) {
            text += "code PTN ShowPtn" + n + "[1]={{99, 0, 0,0,0,0,0,0,{0,0,0},0,0,0}};" + kEol;
            continue;
        }
        std::string line = "code PTN ShowPtn" + n + "[" + std::to_string(records[p].size()) + "]={";
        for (std::size_t i = 0; i < records[p].size(); ++i) {
            line += records[p][i] + (i + 1 < records[p].size() ? "," : "};");
        }
        text += line + kEol;
    }
    return CDataText{std::move(text), writer.leftOut()};
}

void takeTableCounts(CDataInput& input, const TableBuild& build) {
    input.clusterCount = build.texts.clusterCount;
    input.clusterGroupCount = build.texts.clusterGroupCount;
    input.colorGroupCount = build.texts.colorGroupCount;
    for (const Error& refused : build.refused) {
        if (refused.key == kClustersRefusedKey) input.clustersRefused = true;
        if (refused.key == kClusterGroupsRefusedKey) input.clusterGroupsRefused = true;
        if (refused.key == kColorGroupsRefusedKey) input.colorGroupsRefused = true;
    }
}

Status writeCDataFile(const std::filesystem::path& folder, CDataInput input) {
    std::array<std::string, 3> texts;
    const std::array<const char*, 3> names = {kPortTableFileName, kShowPatternFileName,
                                              kClusterTablesFileName};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const auto bytes = readFileBytes(folder / names[i]);
        if (!bytes) return failure(bytes.error().detail);
        texts[i].assign(bytes->begin(), bytes->end());
    }
    input.portTable = texts[0];
    input.showPattern = texts[1];
    input.clusterTables = texts[2];
    const auto text = buildCDataText(input);
    if (!text) return text.error();
    const Status written = writeFileAtomically(folder / kCDataFileName, *text);
    if (!written) return failure(written.error().detail);
    return {};
}

}  // namespace vx
