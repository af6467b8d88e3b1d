#pragma once
// A 20 x 12 matrix with one mode of every effect family, played one after
// another in parallel play: lamp and group colour changes, scrolls, fills,
// rings, side frames, fades, a circular area, a custom mode and the control
// modes. examples/families.led is this layout, written by
// vexolume-make-families; the README shows it rendered.

#include "layout/lamp_layout.h"

namespace vx {

inline constexpr std::int32_t kFamiliesColumns = 20;
inline constexpr std::int32_t kFamiliesRows = 12;

LampLayout makeFamiliesLayout();

}  // namespace vx
