#include "app/wizard/ui/style_preview.h"

#include "app/wizard/wizard_styles.h"

namespace vx {

void StylePreview::play(std::size_t style) {
    style_.reset();
    ModeList modes;
    if (style < kWizardStyleCount) {
        style_ = style;
        // The presets as the wizard makes them for this lattice; the style's
        // run of them plays one after the other, as in its program group.
        const ModeList all = makeStyleModes(CellRect{0, 0, kColumns - 1, kRows - 1}, lampCount());
        const StyleRun run = styleRun(style);
        const auto first = all.begin() + static_cast<std::ptrdiff_t>(run.first);
        modes.assign(first, first + static_cast<std::ptrdiff_t>(run.count));
    }
    playModes(std::move(modes));
}

}  // namespace vx
