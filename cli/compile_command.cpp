// vexolume-cli compile FILE [--json]: what "Creat Data" makes of a layout's
// effects: the compiled modes, the three shared tables and the 32 compiled
// program groups, exactly as playback and the controller output read them.

#include <iostream>
#include <memory>
#include <string>

#include "cli/command.h"
#include "cli/report.h"
#include "effects/effect_json_fields.h"
#include "engine/compile/compile_effects.h"
#include "layout/layout_json.h"

namespace vx::cli {
namespace {

using json::Json;

Json modeJson(std::size_t index, const Mode& m) {
    return Json{{"index", index},
                {"kind", json::fromBytes(m.kind)},
                {"label", json::fromBytes(m.label)},
                {"circleKind", json::fromBytes(m.circleKind)},
                {"playKind", m.playKind},
                {"colorIndex", m.colorIndex},
                {"lampListIndex", m.clusterIndex},
                {"groupListIndex", m.clusterGroupIndex},
                {"stepDelay", m.stepDelay},
                {"stepCount", m.stepCount},
                {"duration", m.duration},
                {"startOffset", m.startOffset}};
}

Json tableJson(const std::vector<UintList>& table) {
    Json out = Json::array();
    for (const auto& list : table) out.push_back(json::fromUintList(list));
    return out;
}

Json compiledJson(const CompiledEffects& c) {
    Json modes = Json::array();
    for (std::size_t i = 0; i < c.modes.size(); ++i) modes.push_back(modeJson(i, c.modes[i]));
    Json groups = Json::array();
    for (const auto& g : c.programGroups) groups.push_back(Json(g));
    return Json{{"modes", std::move(modes)},
                {"cstGroup", tableJson(c.clusters)},
                {"cstGroupGroup", tableJson(c.clusterGroups)},
                {"colorGroup", tableJson(c.colorGroup)},
                {"programGroups", std::move(groups)}};
}

template <class List>
void printList(std::ostream& out, const List& list) {
    for (std::size_t i = 0; i < list.size(); ++i) out << (i == 0 ? "" : " ") << list[i];
}

void printTable(std::ostream& out, const char* name, const std::vector<UintList>& table) {
    out << name << ": " << table.size() << " entries\n";
    for (std::size_t i = 0; i < table.size(); ++i) {
        out << "  " << i << ": [";
        printList(out, table[i]);
        out << "]\n";
    }
}

void printText(std::ostream& out, const std::string& file, const CompiledEffects& c) {
    out << "Layout " << file << '\n';
    out << "Compiled modes: " << c.modes.size() << '\n';
    for (std::size_t i = 0; i < c.modes.size(); ++i) {
        const Mode& m = c.modes[i];
        out << "  " << i << ". \"" << printable(m.label) << "\" " << printable(m.kind);
        if (!m.circleKind.empty()) out << " (" << printable(m.circleKind) << ")";
        out << ": PlayKind " << m.playKind << ", colorIndex " << m.colorIndex << ", lampListIndex "
            << m.clusterIndex << ", groupListIndex " << m.clusterGroupIndex << ", stepDelay "
            << m.stepDelay << ", stepCount " << m.stepCount << ", duration " << m.duration
            << ", startOffset " << m.startOffset << '\n';
    }
    printTable(out, "CstGroup", c.clusters);
    printTable(out, "Cst_GroupGroup", c.clusterGroups);
    printTable(out, "Color_Group", c.colorGroup);
    out << "Program groups:\n";
    for (std::size_t g = 0; g < c.programGroups.size(); ++g) {
        out << "  Program Group " << g << ": [";
        printList(out, c.programGroups[g]);
        out << "]\n";
    }
}

struct CompileOptions {
    std::string file;
    bool json = false;
};

int runCompile(const CompileOptions& options) {
    auto layout = readLayoutFile(options.file);
    if (!layout) return fail(options.file, layout.error());
    const CompiledEffects compiled = compileEffects(*layout);
    if (options.json) {
        std::cout << json::format(compiledJson(compiled));
    } else {
        printText(std::cout, options.file, compiled);
    }
    return 0;
}

}  // namespace

void addCompileCommand(CLI::App& app, int& status) {
    auto options = std::make_shared<CompileOptions>();
    auto* cmd = app.add_subcommand(
        "compile", "Compile a layout's effects: compiled modes, shared tables, program groups");
    cmd->add_option("file", options->file, "the layout file")->required();
    cmd->add_flag("--json", options->json, "print the compiled effects as JSON");
    cmd->callback([options, &status] { status = runCompile(*options); });
}

}  // namespace vx::cli
