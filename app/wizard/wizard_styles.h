#pragma once
// The wizard's 14 effect styles. Each style is a short show of one or more
// preset modes; all 59 presets live in the layout's ModeList, each style
// owning a fixed run of positions, so that inserting a style into a program
// group always adds the same modes.

#include <cstddef>
#include <cstdint>

#include "effects/effect_data.h"

namespace vx {

inline constexpr std::size_t kWizardStyleCount = 14;
inline constexpr std::size_t kWizardPresetCount = 59;

struct StyleRun {
    std::size_t first = 0;
    std::size_t count = 0;
    bool operator==(const StyleRun&) const = default;
};

// The ModeList positions of style 0..13.
StyleRun styleRun(std::size_t style);

// The 59 presets, in ModeList order, fitted to lamps covering `area`
// (inclusive cells) with `lampCount` lamps: their areas, ring centres and
// timing follow the size of the installation, so a show takes about as long
// on 20 lamps as on 10,000.
ModeList makeStyleModes(const CellRect& area, std::size_t lampCount);

}  // namespace vx
