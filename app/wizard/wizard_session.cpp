#include "app/wizard/wizard_session.h"

#include "layout/layout_bounds.h"

namespace vx {

void WizardSession::startOver(LampLayout& layout) {
    lampsMade_ = false;
    layout.lamps.clear();
    layout.effects.modes.clear();
}

void WizardSession::editColumns(LampLayout& layout, std::int64_t columns) {
    shape_ = editWizardColumns(shape_, columns);
    startOver(layout);
}

void WizardSession::editRows(LampLayout& layout, std::int64_t rows) {
    shape_ = editWizardRows(shape_, rows);
    startOver(layout);
}

void WizardSession::setFill(bool fill) {
    shape_.fill = fill;
    lampsMade_ = false;
}

void WizardSession::makeLamps(LampLayout& layout) {
    if (lampsMade_) return;
    layout.lamps = makeWizardLamps(shape_, kWizardZoom, layout.lampPitch);
    lampsMade_ = true;
}

WizardExtent WizardSession::wire(LampLayout& layout) {
    if (layout.lamps.empty()) makeLamps(layout);
    wireWizardLamps(layout.lamps, shape_.port);
    return wizardExtent(layout.lamps);
}

bool WizardSession::openStyles(LampLayout& layout) {
    const CellRect e = allLampBounds(layout.lamps);
    return openStylesPage(layout.effects, chosen_, CellRect{e.left, e.top, e.right, e.bottom},
                          layout.lamps.size());
}

}  // namespace vx
