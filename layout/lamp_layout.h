#pragma once
// The layout of one installation: its scan settings, its lamps and their port
// wiring, and the effect data behind them. This is everything the layout file
// holds; run-time state of a document lives in LayoutDocument.

#include <array>
#include <cstdint>
#include <vector>

#include "effects/effect_data.h"
#include "layout/lamp.h"

namespace vx {

struct ScanScope {
    std::int32_t left = 10;
    std::int32_t top = 10;
    std::int32_t right = 650;
    std::int32_t bottom = 450;
    bool operator==(const ScanScope&) const = default;
};

// Carried in the file unchanged; all zero and empty in layouts we make.
struct SlotEntry {
    std::int32_t a = 0;
    std::int32_t b = 0;
    std::vector<std::uint32_t> values;
    bool operator==(const SlotEntry&) const = default;
};

inline constexpr std::size_t kSlotCount = 128;

struct LampLayout {
    ColorWord backColor = 0;
    ScanScope scanScope;
    float objectSize = 5000.0f;  // mm across the scan scope
    float reservedValue = 100.0f;
    float lampSize = 40.0f;  // mm
    std::int32_t colorTolerance = 25;
    double lampPitch = 8.0;  // picture pels per lattice cell
    std::array<SlotEntry, kSlotCount> slots;
    std::vector<Lamp> lamps;
    // Lamps handed to the effect side by Transfer Data. The file keeps only
    // x, y and number of each.
    std::vector<Lamp> effectLamps;
    std::vector<Lamp> spareLamps;
    EffectData effects;

    bool operator==(const LampLayout&) const = default;
};

// The record the effect-lamp sections keep: x, y and number, defaults elsewhere.
inline Lamp effectLampRecord(const Lamp& lamp) {
    Lamp r;
    r.x = lamp.x;
    r.y = lamp.y;
    r.number = lamp.number;
    return r;
}

// Transfer Data: the effect side takes the lamps as the file keeps them, so a
// layout plays the same before and after it is saved and opened again.
inline std::vector<Lamp> transferredLamps(const std::vector<Lamp>& lamps) {
    std::vector<Lamp> records;
    records.reserve(lamps.size());
    for (const Lamp& lamp : lamps) records.push_back(effectLampRecord(lamp));
    return records;
}

}  // namespace vx
