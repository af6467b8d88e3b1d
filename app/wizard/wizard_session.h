#pragma once
// The state of one run of the new-layout wizard and what its steps do to the
// layout: step 1's shape and whether its lamps exist, step 2's styles per
// program group.

#include <cstdint>

#include "app/wizard/wizard_lamps.h"
#include "app/wizard/wizard_programs.h"
#include "app/wizard/wizard_shape.h"
#include "layout/lamp_layout.h"

namespace vx {

class WizardSession {
public:
    const WizardShape& shape() const { return shape_; }
    bool lampsMade() const { return lampsMade_; }
    std::int32_t total() const { return wizardTotal(shape_); }
    ChosenStyles& chosen() { return chosen_; }
    const ChosenStyles& chosen() const { return chosen_; }

    // Col or Row typed: clamped, and the layout starts over without lamps
    // or modes.
    void editColumns(LampLayout& layout, std::int64_t columns);
    void editRows(LampLayout& layout, std::int64_t rows);
    void setFill(bool fill);
    void setPort(std::int32_t port) { shape_.port = port; }

    // Add, Delete and Finish: the lamps of the shape at the wizard zoom,
    // unless they were made already.
    void makeLamps(LampLayout& layout);
    // Next and Finish: lamps if the layout has none, numbered and wired.
    WizardExtent wire(LampLayout& layout);

    // Step 2 opens: the presets for the layout's lamps when it has no modes.
    bool openStyles(LampLayout& layout);

private:
    void startOver(LampLayout& layout);

    WizardShape shape_;
    bool lampsMade_ = false;
    ChosenStyles chosen_ = noStylesChosen();
};

}  // namespace vx
