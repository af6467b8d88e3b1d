#pragma once
// The program group editor's two trees as plain data: 32 program items with
// their entry texts on the left, the defined modes on the right. The trees
// are edited freely; only saving turns the left tree into program groups.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/result.h"
#include "effects/effect_data.h"

namespace vx {

struct ProgramTree {
    // Entry texts under each program item: index + "_" + label.
    std::array<std::vector<std::string>, kProgramGroupCount> programs;
    // The "Exist Mode" items, one per ModeList mode in list order.
    std::vector<std::string> existing;

    bool operator==(const ProgramTree&) const = default;
};

// "Program Group" directly followed by n.
std::string programItemText(std::size_t n);
// index + "_" + label.
std::string entryText(std::size_t index, std::string_view label);
// The number before the first "_"; nothing when that is not a number.
std::optional<std::size_t> entryIndex(std::string_view text);

// The trees as the document holds them.
ProgramTree buildProgramTree(const EffectData& effects);
// Every mode under every program item.
ProgramTree insertAllTree(const ModeList& modes);
// 32 empty program items.
ProgramTree removeAllTree(const ModeList& modes);

// The 32 program groups the left tree stands for: each entry a copy of the
// ModeList mode its text names, with kindCode set to that index; entries that
// name no mode are left out. Refused with "MODEGRPEDIT_ONBTNMOK_YSIA" when no
// program item has an entry.
Result<std::array<ProgramGroup, kProgramGroupCount>> programGroupsFromTree(const ProgramTree& tree,
                                                                           const ModeList& modes);

// One property line under an entry, with its own children (coordinates).
struct PropertyItem {
    std::string text;
    std::vector<std::string> children;
};
// Interval, Loop, Hold time, Step, Start Point, Select area, Color group ID;
// coordinates multiplied by the view's cell size.
std::vector<PropertyItem> modeProperties(const Mode& mode, std::int32_t cellSize);

}  // namespace vx
