#pragma once
// The rules of the Mode Parameter page that depend only on the mode: which
// fields a kind leaves editable, the label variant each value column shows,
// the hold-time rule and the conversion between view pixels and cells.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "effects/mode.h"

namespace vx {

// The page's inputs, value columns first in their on-page order.
enum class ParamField : std::uint8_t {
    Interval,       // stepDelay, 0.01 s
    Loop,           // stepCount
    HoldTime,       // duration, 0.1 s
    Step,           // bandWidth
    LayerCode,      // kindCode, 0..50
    WordStep,       // wordStep
    WordColorMode,  // wordColorMode: the "GC/GF" box
    StartPoint,     // startX, startY and the "&Start" button
    Area,           // area and the "&Area" button
    ExtraScope,     // the supplementary scope's "Add" and "Delete"
};
inline constexpr std::size_t kParamFieldCount = 10;

// One value column: its label key in the default ("A") variant and the
// dialog control that shows its unit text.
struct ParamColumn {
    ParamField field;
    std::string_view labelKey;
    int unitControl;
};
inline constexpr std::size_t kParamColumnCount = 7;
const std::array<ParamColumn, kParamColumnCount>& paramColumns();

struct ParameterPageRules {
    // True: read-only (an edit field) or disabled (the box and the buttons).
    std::array<bool, kParamFieldCount> locked{};
    // The label key each value column shows, in paramColumns() order.
    std::array<std::string_view, kParamColumnCount> labelKeys{};

    bool isLocked(ParamField f) const { return locked[static_cast<std::size_t>(f)]; }
};

// The configuration applied when the page is prepared for `mode` (a circular
// area by its circleKind). `openedForEdit`: the mode came from "&Edit".
ParameterPageRules parameterPageRules(const Mode& mode, bool openedForEdit);

// Hold time that matches Interval x Loop: (stepDelay x stepCount) / 10 in
// unsigned 32-bit arithmetic, rounded down.
std::int32_t holdTimeFor(std::uint32_t stepDelay, std::int32_t stepCount);

// Remembers whether Interval or Loop changed since Hold time was last
// derived. The page reports edits and focus changes; a returned value is the
// new Hold time.
class HoldTimeRule {
public:
    void timingEdited() { pending_ = true; }
    // Interval or Loop lost the focus, or Hold time was edited.
    std::optional<std::int32_t> settle(std::uint32_t stepDelay, std::int32_t stepCount);
    bool pending() const { return pending_; }
    void reset() { pending_ = false; }

private:
    bool pending_ = false;
};

// Cells from view pixels (whole-number division rounding down) and back.
std::int32_t cellFromPixels(std::int32_t pixels, std::int32_t cellSize);
std::int32_t pixelsFromCell(std::int32_t cell, std::int32_t cellSize);

}  // namespace vx
