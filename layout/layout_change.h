#pragma once
// What part of a layout an edit touched, and the interface through which
// views hear of it.

namespace vx {

enum class LayoutChange { Lamps, Ports, Settings, Effects, Everything };

class LayoutObserver {
public:
    virtual ~LayoutObserver() = default;
    virtual void layoutChanged(LayoutChange change) = 0;
};

}  // namespace vx
