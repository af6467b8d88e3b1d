#pragma once
// The Scan command's result as one step: the settings the scan ran with
// (background, scope, sizes, tolerance, pitch) and the lamps it found,
// appended to the lamp list. Undo takes the lamps off again and gives back
// the settings from before.

#include <cstddef>
#include <vector>

#include "layout/history/edit.h"

namespace vx {

// The fields of a layout that a scan sets.
struct ScanSettingsRecord {
    ColorWord backColor = 0;
    ScanScope scanScope;
    float objectSize = 0;
    float lampSize = 0;
    std::int32_t colorTolerance = 0;
    double lampPitch = 0;

    static ScanSettingsRecord of(const LampLayout& layout);
    void storeIn(LampLayout& layout) const;
    bool operator==(const ScanSettingsRecord&) const = default;
};

class ApplyScanEdit : public Edit {
public:
    // `textKey` names the step: the Scan command, or the settings dialog
    // when no lamps come with it.
    ApplyScanEdit(ScanSettingsRecord settings, std::vector<Lamp> found,
                  std::string_view textKey = "ID_EDIT_SCAN");

    void redo(LampLayout& layout) override;
    void undo(LampLayout& layout) override;
    LayoutChange change() const override { return LayoutChange::Everything; }
    std::string_view textKey() const override { return textKey_; }
    std::size_t sizeInBytes() const override {
        return sizeof(*this) + found_.size() * sizeof(Lamp);
    }

private:
    ScanSettingsRecord settings_;
    ScanSettingsRecord before_;
    std::vector<Lamp> found_;
    std::size_t lampsBefore_ = 0;
    std::string_view textKey_;
};

}  // namespace vx
