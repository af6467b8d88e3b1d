#pragma once
// The editing state the mode pages share, and the rules by which the Mode
// Parameter page fills its fields from a mode and commits them ("&OK").

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "effects/effect_data.h"

namespace vx {

// A supplementary lamp buffer holding only this value stands for "none".
inline constexpr std::uint32_t kNoLampsMarker = 10000;

struct ModeSheetState {
    Mode current;                    // the mode being edited
    std::optional<Mode> copyBuffer;  // "&Copy Mode" / "&Paste Mode"
    bool adding = false;             // append on commit
    bool inserting = false;          // insert before the selected entries on commit
    bool replacing = false;          // the entry at rememberedIndex is replaced on commit
    bool openedForEdit = false;      // the pages load the mode's values
    bool custom = false;             // a custom mode whose lamp lists are not chosen yet
    std::size_t rememberedIndex = 0;
    std::optional<std::size_t> previewStart;
    std::optional<std::size_t> previewEnd;

    // A new mode of `kind` to append (or insert) on commit.
    void beginNew(std::string_view kind, bool insert);
    // ModeList entry `index` opened with "&Edit".
    void beginEdit(const ModeList& modes, std::size_t index);
    // After a commit: nothing pending.
    void endCommit();
};

// The page's value fields. Coordinates are view pixels, as the page shows them.
struct ParameterValues {
    std::uint32_t stepDelay = 0;
    std::int32_t stepCount = 0;
    std::int32_t duration = 0;
    std::int32_t bandWidth = 0;
    std::int32_t layerCode = 0;  // kindCode
    std::int32_t wordStep = 0;
    std::int32_t wordColorMode = 0;
    std::int32_t startX = 0;
    std::int32_t startY = 0;
    PixelRect area;
    std::string label;

    bool operator==(const ParameterValues&) const = default;
};

// The fields the page shows for `mode`: coordinates multiplied by the cell
// size, and the kind as label while the mode has none.
ParameterValues parameterValuesFor(const Mode& mode, std::int32_t cellSize);

struct SupplementaryBuffer {
    UintList lamps;
    CellRect rect;
};

enum class CommitAction { Replace, Append, Insert, None };

struct ModeCommit {
    Mode mode;  // the committed mode
    CommitAction action = CommitAction::None;
    std::size_t replaceIndex = 0;
    // Insert: the positions the copies take in the resulting list, ascending.
    std::vector<std::size_t> insertPositions;
};

// What "&OK" does with the sheet's current mode. `selected`: the selected
// "Mode List" entries (used when inserting), `modeCount` the list's length.
ModeCommit commitMode(const ModeSheetState& state, const ParameterValues& values,
                      std::int32_t cellSize, const SupplementaryBuffer& extra,
                      std::vector<std::size_t> selected, std::size_t modeCount);

}  // namespace vx
