#pragma once
// How one operation changed a lamp list, kept small: the lamps it took out,
// the positions it put lamps in at, and the old value of every lamp it
// changed in place. Enough to turn the list back, never a copy of it.

#include <cstddef>
#include <span>
#include <utility>
#include <vector>

#include "layout/lamp.h"

namespace vx {

class LampListDelta {
public:
    // `after` is `before` with the lamps at `removed` (ascending positions
    // in `before`) taken out, lamps put in at `inserted` (ascending positions
    // in `after`) and any of the others changed in place.
    static LampListDelta between(const std::vector<Lamp>& before, const std::vector<Lamp>& after,
                                 std::span<const std::size_t> removed,
                                 std::span<const std::size_t> inserted);

    // Turns the `after` list back into `before`.
    void revert(std::vector<Lamp>& lamps) const;

    bool empty() const { return removed_.empty() && inserted_.empty() && changed_.empty(); }
    std::size_t sizeInBytes() const;

private:
    std::vector<std::pair<std::size_t, Lamp>> removed_;  // position before, lamp
    std::vector<std::size_t> inserted_;                  // position after
    std::vector<std::pair<std::size_t, Lamp>> changed_;  // position after, old lamp
};

}  // namespace vx
