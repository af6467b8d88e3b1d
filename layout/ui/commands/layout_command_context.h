#pragma once
// What the layout window's commands need: the layout view of the active
// window (null when the active window is no layout window).

namespace vx {

class LayoutView;

class LayoutCommandContext {
public:
    virtual ~LayoutCommandContext() = default;
    virtual LayoutView* activeLayoutView() const = 0;
};

}  // namespace vx
