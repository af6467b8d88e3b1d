#pragma once
// The lamp grid of one mode: all lamps of the layout (kindCode 0 or above
// 50) or those of Layer kindCode, and for a circular area only the lamps on
// or inside its circle.
//
// Modes usually share their grid, so the builder keeps the last one and
// only rewrites the cells it wrote when the next mode needs another: the
// result is the same as filling a fresh 500 x 500 grid for every mode.

#include <cstdint>
#include <span>
#include <vector>

#include "effects/effect_data.h"
#include "layout/lamp.h"
#include "layout/lamp_grid.h"

namespace vx {

class ModeGridBuilder {
public:
    ModeGridBuilder(std::span<const Lamp> lamps, const LayerTable& layers);

    // layerCode: the mode's kindCode (its layer number).
    const LampGrid& build(const Mode& mode, std::int32_t layerCode);

private:
    struct Key {
        std::int32_t layer = -1;  // 0 = all lamps
        bool circle = false;
        std::int32_t cx = 0;
        std::int32_t cy = 0;
        std::int32_t radius = 0;
        bool operator==(const Key&) const = default;
    };

    void put(const Lamp& lamp, const Key& key);

    std::span<const Lamp> lamps_;
    const LayerTable& layers_;
    LampGrid grid_;
    std::vector<std::int32_t> written_;  // x, y pairs of the cells set
    Key current_;
    bool built_ = false;
};

}  // namespace vx
