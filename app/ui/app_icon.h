#pragma once
// The program's icon, drawn rather than loaded so that it needs no image
// plugin: a 3 x 3 lattice of lamps in port colours on a dark tile.

#include <QIcon>

namespace vx {

QIcon appIcon();

}  // namespace vx
