// vexolume-cli info FILE [--json]: what a layout holds, in brief.

#include <algorithm>
#include <iostream>
#include <map>
#include <memory>
#include <string>

#include "cli/command.h"
#include "cli/report.h"
#include "effects/effect_json_fields.h"
#include "layout/layout_bounds.h"
#include "layout/layout_json.h"

namespace vx::cli {
namespace {

using json::Json;

constexpr std::int32_t kPortCount = 12;

struct PortSummary {
    std::size_t lamps = 0;
    std::int32_t chainLength = 0;  // highest portOrder on the port
    bool continuous = true;        // portOrder runs 1..lamps without gaps or repeats
};

struct Summary {
    std::size_t lampCount = 0;
    bool hasExtent = false;
    CellRect extent;
    std::map<std::int32_t, PortSummary> ports;  // only ports 1..12 that hold lamps
    std::size_t unwired = 0;                    // lamps on no port (or an unknown one)
    std::map<std::string, std::size_t> modesByKind;
};

Summary summarise(const LampLayout& layout) {
    Summary s;
    s.lampCount = layout.lamps.size();
    s.hasExtent = !layout.lamps.empty();
    s.extent = allLampBounds(layout.lamps);
    std::map<std::int32_t, std::vector<std::int32_t>> orders;
    for (const auto& lamp : layout.lamps) {
        if (lamp.port >= 1 && lamp.port <= kPortCount) {
            orders[lamp.port].push_back(lamp.portOrder);
        } else {
            ++s.unwired;
        }
    }
    for (auto& [port, list] : orders) {
        std::sort(list.begin(), list.end());
        PortSummary p;
        p.lamps = list.size();
        p.chainLength = list.back();
        for (std::size_t i = 0; i < list.size(); ++i) {
            if (list[i] != static_cast<std::int32_t>(i + 1)) p.continuous = false;
        }
        s.ports[port] = p;
    }
    for (const auto& m : layout.effects.modes) ++s.modesByKind[m.kind];
    return s;
}

std::size_t nonEmpty(const std::vector<UintList>& lists) {
    return static_cast<std::size_t>(
        std::count_if(lists.begin(), lists.end(), [](const UintList& l) { return !l.empty(); }));
}

Json summaryJson(const LampLayout& layout, const Summary& s) {
    Json j = Json::object();
    j["lamps"] = s.lampCount;
    j["effectLamps"] = layout.effectLamps.size();
    j["spareLamps"] = layout.spareLamps.size();
    const CellRect& b = s.extent;
    j["extent"] =
        s.hasExtent ? Json{{"minX", b.left}, {"maxX", b.right}, {"minY", b.top}, {"maxY", b.bottom}}
                    : Json(nullptr);
    Json ports = Json::array();
    for (const auto& [port, p] : s.ports) {
        ports.push_back(Json{{"port", port},
                             {"lamps", p.lamps},
                             {"chainLength", p.chainLength},
                             {"continuous", p.continuous}});
    }
    j["ports"] = std::move(ports);
    j["unwiredLamps"] = s.unwired;
    Json kinds = Json::array();
    for (const auto& [kind, n] : s.modesByKind) {
        kinds.push_back(Json{{"kind", json::fromBytes(kind)}, {"count", n}});
    }
    j["modes"] = Json{{"count", layout.effects.modes.size()}, {"byKind", std::move(kinds)}};
    Json groups = Json::array();
    for (std::size_t g = 0; g < kProgramGroupCount; ++g) {
        Json entries = Json::array();
        for (const auto& m : layout.effects.programGroups[g]) {
            entries.push_back(Json{{"label", json::fromBytes(m.label)},
                                   {"kind", json::fromBytes(m.kind)},
                                   {"source", m.kindCode}});
        }
        groups.push_back(Json{{"index", g}, {"entries", std::move(entries)}});
    }
    j["programGroups"] = std::move(groups);
    const auto& e = layout.effects;
    j["clusters"] = Json{{"count", e.clusters.size()}};
    j["clusterGroups"] = Json{{"count", e.clusterGroups.size()}};
    j["layers"] = Json{{"count", e.layers.size()}, {"nonEmpty", nonEmpty(e.layers)}};
    return j;
}

void printText(std::ostream& out, const std::string& file, const LampLayout& layout,
               const Summary& s) {
    out << "Layout " << file << '\n';
    out << "Lamps: " << s.lampCount << " (effect lamps " << layout.effectLamps.size()
        << ", spare lamps " << layout.spareLamps.size() << ")\n";
    if (s.hasExtent) {
        out << "Extent: x " << s.extent.left << ".." << s.extent.right << ", y " << s.extent.top
            << ".." << s.extent.bottom << '\n';
    } else {
        out << "Extent: none\n";
    }
    out << "Ports:\n";
    for (const auto& [port, p] : s.ports) {
        out << "  port " << port << ": " << p.lamps << " lamps, chain length " << p.chainLength
            << (p.continuous ? "" : " (gaps or repeats in the chain)") << '\n';
    }
    out << "  no port: " << s.unwired << " lamps\n";
    out << "Modes: " << layout.effects.modes.size() << '\n';
    for (const auto& [kind, n] : s.modesByKind) out << "  " << printable(kind) << ": " << n << '\n';
    std::size_t used = 0;
    for (const auto& g : layout.effects.programGroups) used += g.empty() ? 0u : 1u;
    out << "Program groups: " << used << " of " << kProgramGroupCount << " in use\n";
    for (std::size_t g = 0; g < kProgramGroupCount; ++g) {
        const auto& group = layout.effects.programGroups[g];
        if (group.empty()) continue;
        out << "  Program Group " << g << ": " << group.size() << " entries\n";
        for (std::size_t i = 0; i < group.size(); ++i) {
            const auto& m = group[i];
            out << "    " << i << ". \"" << printable(m.label) << "\" " << printable(m.kind)
                << " (mode " << m.kindCode << ")\n";
        }
    }
    const auto& e = layout.effects;
    out << "Clusters: " << e.clusters.size() << '\n';
    out << "Cluster groups: " << e.clusterGroups.size() << '\n';
    out << "Layers: " << nonEmpty(e.layers) << " of " << e.layers.size() << " in use\n";
}

struct InfoOptions {
    std::string file;
    bool json = false;
};

int runInfo(const InfoOptions& options) {
    auto layout = readLayoutFile(options.file);
    if (!layout) return fail(options.file, layout.error());
    const auto s = summarise(*layout);
    if (options.json) {
        std::cout << json::format(summaryJson(*layout, s));
    } else {
        printText(std::cout, options.file, *layout, s);
    }
    return 0;
}

}  // namespace

void addInfoCommand(CLI::App& app, int& status) {
    auto options = std::make_shared<InfoOptions>();
    auto* cmd = app.add_subcommand("info", "Summarise a layout file (.led, .lam or its JSON form)");
    cmd->add_option("file", options->file, "the layout file")->required();
    cmd->add_flag("--json", options->json, "print the summary as JSON");
    cmd->callback([options, &status] { status = runInfo(*options); });
}

}  // namespace vx::cli
