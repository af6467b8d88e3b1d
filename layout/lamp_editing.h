#pragma once
// Inserting and deleting lamps by lattice cell. Both keep the lamp list
// sorted by the key x * rows + y and the numbers 0, 1, 2 ... in that order,
// as the scan makes them, because effects and controller tables refer to
// lamps by number.

#include <cstdint>
#include <vector>

#include "layout/lamp_layout.h"

namespace vx {

// Rows of the scan lattice: trunc((bottom - top) / trunc(lampPitch)). A pitch
// below one pel counts as one so that the key stays defined.
std::int32_t latticeRows(const LampLayout& layout);

// Adds a lamp at (cx, cy) unless one is there. Returns whether it did.
// Negative cells are the caller's to refuse.
bool insertLampAt(LampLayout& layout, std::int32_t cx, std::int32_t cy);

// Removes every lamp at (cx, cy), first taking the first of them out of its
// port chain (later lamps of the chain close the gap), and renumbers the
// lamps behind it. Returns whether any was removed.
bool deleteLampsAt(LampLayout& layout, std::int32_t cx, std::int32_t cy);

}  // namespace vx
