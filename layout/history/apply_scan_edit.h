#pragma once
// The Scan command's result as one step: the settings the scan ran with
// (background, scope, sizes, tolerance, pitch) and the lamps it found,
// appended to the lamp list. Undo takes the lamps off again and gives back
// the settings from before.

#include <cstddef>
#include <vector>

#include "layout/history/edit.h"
#include "layout/scan/lattice_scan.h"

namespace vx {

class ApplyScanEdit : public Edit {
public:
    // `textKey` names the step: the Scan command, or the settings dialog
    // when no lamps come with it. `fromScan` marks the step of the Scan
    // command itself, which a view allows once until it is undone.
    ApplyScanEdit(ScanSettingsRecord settings, std::vector<Lamp> found,
                  std::string_view textKey = "ID_EDIT_SCAN", bool fromScan = false);

    void redo(LampLayout& layout) override;
    void undo(LampLayout& layout) override;
    LayoutChange change() const override { return LayoutChange::Everything; }
    std::string_view textKey() const override { return textKey_; }
    bool fromScan() const { return fromScan_; }
    std::size_t sizeInBytes() const override {
        return sizeof(*this) + found_.size() * sizeof(Lamp);
    }

private:
    ScanSettingsRecord settings_;
    ScanSettingsRecord before_;
    std::vector<Lamp> found_;
    std::size_t lampsBefore_ = 0;
    std::string_view textKey_;
    bool fromScan_;
};

}  // namespace vx
