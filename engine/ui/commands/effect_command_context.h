#pragma once
// What the effect window's commands need: the effect view of the active
// window (null when the active window is no effect window) and the dialogs
// they open, which the program supplies and tests replace.

#include <optional>
#include <string_view>

namespace vx {

class EffectView;

class EffectCommandContext {
public:
    virtual ~EffectCommandContext() = default;
    virtual EffectView* activeEffectView() const = 0;
    // The cell-size dialog; nothing on Cancel.
    virtual std::optional<int> askEffectCellSize(int current) = 0;
    // Shows the text of a language key as a warning.
    virtual void showMessageKey(std::string_view key) = 0;
};

}  // namespace vx
