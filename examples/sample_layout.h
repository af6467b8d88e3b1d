#pragma once
// The bundled sample installation: a 16 x 10 matrix of lamps wired on two
// ports, with a few modes of different kinds in four program groups.
// examples/sample.led is this layout, written by vexolume-make-sample.

#include "layout/lamp_layout.h"

namespace vx {

inline constexpr std::int32_t kSampleColumns = 16;
inline constexpr std::int32_t kSampleRows = 10;

LampLayout makeSampleLayout();

}  // namespace vx
