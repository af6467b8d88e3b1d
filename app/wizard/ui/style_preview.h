#pragma once
// The styles page's preview box: the modes of one wizard style played by the
// engine on the preview lattice, looping.

#include <optional>

#include "engine/ui/sheet/lattice_preview.h"

namespace vx {

class StylePreview : public LatticePreview {
    Q_OBJECT
public:
    using LatticePreview::LatticePreview;

    // Starts the show of `style` (0..13), stopping the one before.
    void play(std::size_t style);
    std::optional<std::size_t> style() const { return style_; }

private:
    std::optional<std::size_t> style_;
};

}  // namespace vx
