#pragma once
// Colours of a colour group and the gradients the "Insert Color Group"
// dialog generates between two of them.

#include <cstdint>
#include <optional>
#include <vector>

#include "effects/mode.h"
#include "effects/rgb.h"

namespace vx {

// Linear: even steps. Sin and Cos: the change follows sin(t) (fast start) or
// 1 - cos(t) (slow start) for t from 0 to a quarter turn.
enum class GradientShape { Linear, Sin, Cos };

inline constexpr int kGradientMinSteps = 2;
inline constexpr int kGradientMaxSteps = 1000;

// `steps` colours from start to end; nothing when steps is outside 2..1000.
// Each component's change is rounded toward zero, so the first colour is the
// start colour and the last the end colour up to that truncation.
std::optional<std::vector<Rgb>> makeGradient(Rgb start, Rgb end, int steps, GradientShape shape);

// A mode's colour list (R, G, B triplets) as colours and back. A trailing
// incomplete triplet is dropped; components above 255 keep their low byte.
std::vector<Rgb> colorsFromList(const UintList& list);
UintList listFromColors(const std::vector<Rgb>& colors);

}  // namespace vx
