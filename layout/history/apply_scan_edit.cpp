#include "layout/history/apply_scan_edit.h"

namespace vx {

ApplyScanEdit::ApplyScanEdit(ScanSettingsRecord settings, std::vector<Lamp> found,
                             std::string_view textKey, bool fromScan)
    : settings_(settings), found_(std::move(found)), textKey_(textKey), fromScan_(fromScan) {}

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
