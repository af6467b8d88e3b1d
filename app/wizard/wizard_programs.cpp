#include "app/wizard/wizard_programs.h"

#include "app/wizard/wizard_styles.h"

namespace vx {

bool openStylesPage(EffectData& effects, ChosenStyles& chosen, const CellRect& area,
                    std::size_t lampCount) {
    if (!effects.modes.empty()) return false;
    effects.modes = makeStyleModes(area, lampCount);
    for (auto& group : effects.programGroups) group.clear();
    chosen = noStylesChosen();
    return true;
}

bool insertStyle(EffectData& effects, ChosenStyles& chosen, std::size_t group, std::size_t style) {
    if (group >= kProgramGroupCount || style >= kWizardStyleCount) return false;
    const StyleRun run = styleRun(style);
    for (std::size_t i = run.first; i < run.first + run.count && i < effects.modes.size(); ++i) {
        Mode entry = effects.modes[i];
        entry.kindCode = static_cast<std::int32_t>(i);
        effects.programGroups[group].push_back(std::move(entry));
    }
    chosen[group] = static_cast<std::int32_t>(style);
    return true;
}

void removeStyle(EffectData& effects, ChosenStyles& chosen, std::size_t group) {
    if (group >= kProgramGroupCount) return;
    effects.programGroups[group].clear();
    chosen[group] = kNoStyle;
}

std::string styleItemText(std::size_t style, const std::string& name) {
    return std::to_string(style) + "_" + name;
}

std::vector<std::string> wizardReport(std::size_t lampCount, const ChosenStyles& chosen,
                                      const std::function<std::string(std::size_t)>& styleName) {
    std::vector<std::string> lines;
    lines.push_back("Total Lamp:" + std::to_string(lampCount));
    lines.emplace_back(6, ' ');
    for (std::size_t n = 0; n < kProgramGroupCount; ++n) {
        std::string line = "Programe Group" + std::to_string(n) + (n < 10 ? "  " : " ") + ":  ";
        if (chosen[n] != kNoStyle) line += styleName(static_cast<std::size_t>(chosen[n]));
        lines.push_back(std::move(line));
    }
    return lines;
}

std::size_t firstPlayableGroup(const EffectData& effects) {
    for (std::size_t n = 0; n < kProgramGroupCount; ++n) {
        if (!effects.programGroups[n].empty()) return n;
    }
    return kProgramGroupCount - 1;
}

}  // namespace vx
