#pragma once
// Steps 2 and 3 of the new-layout wizard: putting styles into program groups
// and the report of what went where.

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "effects/effect_data.h"

namespace vx {

inline constexpr std::int32_t kNoStyle = -1;
// The style each program group was given in step 2, or kNoStyle.
using ChosenStyles = std::array<std::int32_t, kProgramGroupCount>;

inline ChosenStyles noStylesChosen() {
    ChosenStyles chosen;
    chosen.fill(kNoStyle);
    return chosen;
}

// Opening step 2: only when the ModeList is empty, the 59 presets are made
// for lamps covering `area`, every program group is emptied and no style is
// chosen. A ModeList that already holds modes is left alone. Returns whether
// the presets were made.
bool openStylesPage(EffectData& effects, ChosenStyles& chosen, const CellRect& area,
                    std::size_t lampCount);

// Appends to program group `group` a copy of each mode of the style's run,
// its kindCode the source position, and records the style. False, changing
// nothing, for a group or style out of range.
bool insertStyle(EffectData& effects, ChosenStyles& chosen, std::size_t group, std::size_t style);
// Empties the group and forgets its style.
void removeStyle(EffectData& effects, ChosenStyles& chosen, std::size_t group);

// The tree item of an inserted style: "3_" followed by its name.
std::string styleItemText(std::size_t style, const std::string& name);

// The report list: "Total Lamp:" and the count, a line of six blanks, then
// one line per program group with the name of its style.
std::vector<std::string> wizardReport(std::size_t lampCount, const ChosenStyles& chosen,
                                      const std::function<std::string(std::size_t)>& styleName);

// The program group Start Demo plays: the first that holds a mode, else 31.
std::size_t firstPlayableGroup(const EffectData& effects);

}  // namespace vx
