#pragma once
// One undoable step on a layout. An edit carries the operation, not a copy of
// the layout: redo() performs it (the first time as well, so that doing and
// redoing cannot drift apart) and keeps just what undo() needs to put the
// layout back exactly as it was. Every change to a document goes through
// LayoutDocument::apply() with one of these.

#include <cstddef>
#include <string_view>

#include "layout/lamp_layout.h"
#include "layout/layout_change.h"

namespace vx {

class Edit {
public:
    virtual ~Edit() = default;

    virtual void redo(LampLayout& layout) = 0;
    virtual void undo(LampLayout& layout) = 0;

    // Absorbs `next`, the edit that directly follows this one and has been
    // applied already, so that both become one step (a drag over many
    // cells). Returns false, leaving both unchanged, when they do not belong
    // together.
    virtual bool mergeWith(const Edit& next) {
        (void)next;
        return false;
    }

    // What the views must redraw after this edit is done or undone.
    virtual LayoutChange change() const = 0;
    // The language key that names the step (shown with the undo command).
    virtual std::string_view textKey() const = 0;
    // Roughly how many bytes the edit holds, for the history's memory cap.
    // Edits that keep lists must count them.
    virtual std::size_t sizeInBytes() const { return 64; }
    // False when redo() found nothing to do (an occupied cell, an empty
    // one); the document then records no step.
    virtual bool changedAnything() const { return true; }
};

}  // namespace vx
