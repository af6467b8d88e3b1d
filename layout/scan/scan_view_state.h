#pragma once
// What a layout view remembers about scanning, and how the scan commands
// and the mouse move it on: Open Image, Back Color, Scan Scope, Scan and the
// empty lattice. Kept apart from the widget so that the rules can be tested
// without a window; the view owns one, shows the picture while
// `pictureShown`, starts the 1,200 ms timer when a scan starts, and applies
// the settings and lamps that come out as edits.

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "layout/history/apply_scan_edit.h"
#include "layout/lamp_layout.h"
#include "layout/picture/picture.h"

namespace vx {

inline constexpr int kScanDelayMs = 1200;

class ScanViewState {
public:
    bool scanAllowed() const { return scanAllowed_; }
    bool scopeAllowed() const { return scopeAllowed_; }
    bool scopeArmed() const { return scopeArmed_; }
    bool scopeDragging() const { return scopeDragging_; }
    bool pickingBackColor() const { return pickBackColor_; }
    bool pictureShown() const { return pictureShown_; }
    // Where the scope drag started.
    std::int32_t pressX() const { return pressX_; }
    std::int32_t pressY() const { return pressY_; }

    // Back Color and Scan Scope arm the next double-click and press.
    void armBackColor() { pickBackColor_ = true; }
    void armScope() {
        if (scopeAllowed_) scopeArmed_ = true;
    }
    // Switch Window.
    void togglePicture() { pictureShown_ = !pictureShown_; }

    // A press of the left button: starts a scope drag when armed. Returns
    // whether the press was taken for it.
    bool press(std::int32_t x, std::int32_t y);
    // The release ends the drag with the scope, left <= right and top <= bottom.
    std::optional<ScanScope> release(std::int32_t x, std::int32_t y);
    // A double-click picks the background colour when armed: the shown
    // pixel under the pointer (black off the picture).
    std::optional<ColorWord> doubleClick(std::int32_t x, std::int32_t y, const Picture& shown);

    // Scan: the settings the scan will run with (the pitch set from the
    // scope and sizes), once until its step is undone; nothing after that.
    std::optional<ScanSettingsRecord> startScan(const LampLayout& layout);
    // The empty-lattice commands: the same without the once-only rule, with
    // a tolerance that takes every colour for background.
    ScanSettingsRecord startEmptyLattice(const LampLayout& layout);
    // The scan's step undone: Scan, the scope and the picture are back.
    void reopenScan();
    // The scan's step done (or redone): as after the scan itself.
    void closeScan();
    // When the timer fires: the lamps of the lattice scan under `settings`;
    // the picture is hidden.
    std::vector<Lamp> finishScan(const Picture& shown, const ScanSettingsRecord& settings);

private:
    bool scanAllowed_ = true;
    bool scopeAllowed_ = true;
    bool scopeArmed_ = false;
    bool scopeDragging_ = false;
    bool pickBackColor_ = false;
    bool pictureShown_ = true;
    std::int32_t pressX_ = 0;
    std::int32_t pressY_ = 0;
};

}  // namespace vx
