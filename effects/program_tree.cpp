#include "effects/program_tree.h"

#include <charconv>

namespace vx {
namespace {

std::string num(std::int64_t v) { return std::to_string(v); }

ProgramTree withExisting(const ModeList& modes) {
    ProgramTree tree;
    tree.existing.reserve(modes.size());
    for (std::size_t i = 0; i < modes.size(); ++i) {
        tree.existing.push_back(entryText(i, modes[i].label));
    }
    return tree;
}

}  // namespace

std::string programItemText(std::size_t n) { return "Program Group" + std::to_string(n); }

std::string entryText(std::size_t index, std::string_view label) {
    return std::to_string(index) + "_" + std::string(label);
}

std::optional<std::size_t> entryIndex(std::string_view text) {
    const auto cut = text.find('_');
    if (cut == std::string_view::npos || cut == 0) return std::nullopt;
    std::size_t index = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + cut, index);
    if (ec != std::errc() || end != text.data() + cut) return std::nullopt;
    return index;
}

ProgramTree buildProgramTree(const EffectData& effects) {
    ProgramTree tree = withExisting(effects.modes);
    for (std::size_t n = 0; n < kProgramGroupCount; ++n) {
        for (const Mode& entry : effects.programGroups[n]) {
            tree.programs[n].push_back(std::to_string(entry.kindCode) + "_" + entry.label);
        }
    }
    return tree;
}

ProgramTree insertAllTree(const ModeList& modes) {
    ProgramTree tree = withExisting(modes);
    for (auto& program : tree.programs) program = tree.existing;
    return tree;
}

ProgramTree removeAllTree(const ModeList& modes) { return withExisting(modes); }

Result<std::array<ProgramGroup, kProgramGroupCount>> programGroupsFromTree(const ProgramTree& tree,
                                                                           const ModeList& modes) {
    bool anyEntry = false;
    for (const auto& program : tree.programs) anyEntry = anyEntry || !program.empty();
    if (!anyEntry) {
        return Error{"MODEGRPEDIT_ONBTNMOK_YSIA", "no program group holds a mode"};
    }
    std::array<ProgramGroup, kProgramGroupCount> groups;
    for (std::size_t n = 0; n < kProgramGroupCount; ++n) {
        for (const std::string& text : tree.programs[n]) {
            const auto index = entryIndex(text);
            if (!index || *index >= modes.size()) continue;
            Mode copy = modes[*index];
            copy.kindCode = static_cast<std::int32_t>(*index);
            groups[n].push_back(std::move(copy));
        }
    }
    return groups;
}

std::vector<PropertyItem> modeProperties(const Mode& m, std::int32_t cellSize) {
    const auto px = [cellSize](std::int32_t cell) { return num(std::int64_t{cell} * cellSize); };
    return {
        {"Interval:" + num(m.stepDelay), {}},
        {"Loop:" + num(m.stepCount), {}},
        {"Hold time:" + num(m.duration), {}},
        {"Step:" + num(m.bandWidth), {}},
        {"Start Point", {"X:" + px(m.startX), "Y:" + px(m.startY)}},
        {"Select area",
         {"X1:" + px(m.area.left), "Y1:" + px(m.area.top), "X2:" + px(m.area.right),
          "Y2:" + px(m.area.bottom)}},
        {"Color group ID:" + num(static_cast<std::uint32_t>(m.colorIndex)), {}},
    };
}

}  // namespace vx
