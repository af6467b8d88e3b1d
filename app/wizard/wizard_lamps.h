#pragma once
// The lamps the wizard makes, and how it numbers them and wires them to one
// port as a serpentine chain: down the first column, up the second, down the
// third and so on.

#include <cstdint>
#include <vector>

#include "app/wizard/wizard_shape.h"
#include "layout/lamp.h"

namespace vx {

// The view zoom at which Add, Delete and Finish make the lamps: the block
// then starts at cell (21, 11) with the lamps one cell apart.
inline constexpr std::int32_t kWizardZoom = 16;

// The lamps of `shape`, column by column and top to bottom, green and on no
// port, numbered in list order. Cell (c, r), counted from 1, lies at
// ((336 + 16 (c - 1)) / zoom, (176 + 16 (r - 1)) / zoom).
std::vector<Lamp> makeWizardLamps(const WizardShape& shape, std::int32_t zoom, double lampPitch);

// Numbers the lamps 0, 1, 2 ... in list order and puts them all on `port`,
// in the port's colour, with serpentine port orders: odd columns (counted
// from 1 where x changes) run down, even columns run up.
void wireWizardLamps(std::vector<Lamp>& lamps, std::int32_t port);

// The extent the layout records afterwards, in cells.
struct WizardExtent {
    std::int32_t columns = 0;
    std::int32_t rows = 0;
    bool operator==(const WizardExtent&) const = default;
};
WizardExtent wizardExtent(const std::vector<Lamp>& lamps);

}  // namespace vx
