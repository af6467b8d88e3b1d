#pragma once
// One undoable step on a layout. An edit is applied by redo() the first time
// as well, so that doing and redoing cannot drift apart.

#include <string_view>

#include "layout/lamp_layout.h"
#include "layout/layout_change.h"

namespace vx {

class Edit {
public:
    virtual ~Edit() = default;

    virtual void redo(LampLayout& layout) = 0;
    virtual void undo(LampLayout& layout) = 0;

    // Absorbs `next`, the edit that directly follows this one, so that both
    // become one step (a drag over many lamps). Returns false, leaving both
    // unchanged, when they do not belong together.
    virtual bool mergeWith(const Edit& next) {
        (void)next;
        return false;
    }

    // What the views must redraw after this edit is done or undone.
    virtual LayoutChange change() const = 0;
    // The language key that names the step (shown with the undo command).
    virtual std::string_view textKey() const = 0;
};

}  // namespace vx
