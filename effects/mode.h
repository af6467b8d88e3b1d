#pragma once
// The Mode record: one effect of a given kind over a set of lamps, with its
// colours and timing. A Mode is a plain value; copying one copies every field,
// lists and strings included, which is the deep copy that program groups, the
// copy buffer and the engine's compiled copies rely on.

#include <cstdint>
#include <string>
#include <vector>

#include "base/rects.h"

namespace vx {

using UintList = std::vector<std::uint32_t>;

struct Mode {
    std::string kind;   // ModeKind name, kept as the bytes read from a file
    std::string label;  // text the lists show; may hold any bytes the user typed
    // Layer number 0..50 (0 or above 50: all lamps); the play kind for a custom
    // mode; the source mode's ModeList index in a program-group entry.
    std::int32_t kindCode = 0;
    // Compiled copies only: the PlayKind compilation gave the mode. Not part
    // of the file record.
    std::int32_t playKind = 0;
    UintList colors;              // R, G, B triplets, each 0..255
    std::uint32_t stepDelay = 0;  // 10 ms units
    CellRect area;
    std::int32_t stepCount = 0;
    std::int32_t duration = 0;     // 100 ms units
    std::int32_t startOffset = 0;  // 100 ms units
    std::int32_t startX = 0;
    std::int32_t startY = 0;
    std::int32_t bandWidth = 0;
    std::int32_t colorIndex = 0;
    std::int32_t clusterIndex = -1;       // into the ClusterTable; -1 = none
    std::int32_t clusterGroupIndex = -1;  // into the ClusterGroupTable; -1 = none
    std::int32_t wordStep = 0;            // word kinds only
    std::int32_t wordColorMode = 0;       // word kinds only: 0 = CC, 1 = CF
    UintList extraLamps;                  // lamp numbers always taken
    CellRect extraRect;
    std::int32_t circleX = 0;  // circle kind only
    std::int32_t circleY = 0;
    std::int32_t circleRadius = 0;
    std::string circleKind;

    bool operator==(const Mode&) const = default;
};

// A new mode of the given kind, everything else empty.
inline Mode createMode(std::string kind) {
    Mode m;
    m.kind = std::move(kind);
    return m;
}

}  // namespace vx
