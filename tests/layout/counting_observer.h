#pragma once
// A layout observer that counts its calls and keeps the last change.

#include "layout/layout_change.h"

namespace vx::test {

struct CountingObserver : LayoutObserver {
    int calls = 0;
    LayoutChange last = LayoutChange::Everything;
    void layoutChanged(LayoutChange change) override {
        ++calls;
        last = change;
    }
};

}  // namespace vx::test
