#include "layout/history/apply_scan_edit.h"

namespace vx {

ScanSettingsRecord ScanSettingsRecord::of(const LampLayout& layout) {
    return {layout.backColor, layout.scanScope,      layout.objectSize,
            layout.lampSize,  layout.colorTolerance, layout.lampPitch};
}

void ScanSettingsRecord::storeIn(LampLayout& layout) const {
    layout.backColor = backColor;
    layout.scanScope = scanScope;
    layout.objectSize = objectSize;
    layout.lampSize = lampSize;
    layout.colorTolerance = colorTolerance;
    layout.lampPitch = lampPitch;
}

ApplyScanEdit::ApplyScanEdit(ScanSettingsRecord settings, std::vector<Lamp> found,
                             std::string_view textKey)
    : settings_(settings), found_(std::move(found)), textKey_(textKey) {}

void ApplyScanEdit::redo(LampLayout& layout) {
    before_ = ScanSettingsRecord::of(layout);
    lampsBefore_ = layout.lamps.size();
    settings_.storeIn(layout);
    layout.lamps.insert(layout.lamps.end(), found_.begin(), found_.end());
}

void ApplyScanEdit::undo(LampLayout& layout) {
    layout.lamps.resize(lampsBefore_);
    before_.storeIn(layout);
}

}  // namespace vx
