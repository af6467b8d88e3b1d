#pragma once
// Rules of the colour groups page that depend only on the mode: how many
// colours a kind accepts when they are stored, which hint the page shows,
// and the text of one list entry.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "effects/color_gradient.h"
#include "effects/mode.h"

namespace vx {

// The message key that refuses storing `colourCount` colours in `mode`
// ("Sa&ve Color"), or nothing when they may be stored. A circular area is
// checked by its circleKind.
std::optional<std::string_view> saveColorRefusal(const Mode& mode, std::size_t colorCount);

// The hint key for the page's bottom text; empty for a kind without one.
std::string_view colorHintKey(const Mode& mode);

// "%4dR%4dG%4dB": the text of one colour list entry, and back.
std::string colorEntryText(Rgb color);
std::optional<Rgb> colorFromEntryText(std::string_view text);

// The text colour that stays readable on `colour`: each component inverted.
inline Rgb invertedColor(Rgb c) {
    return {static_cast<std::uint8_t>(255 - c.r), static_cast<std::uint8_t>(255 - c.g),
            static_cast<std::uint8_t>(255 - c.b)};
}

}  // namespace vx
