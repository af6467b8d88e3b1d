#pragma once
// File > Open Empty Lattice (32926): a lattice over the whole scope with
// every colour taken for background, for laying lamps out by hand. Unlike
// Scan it may be run again.

#include "base/commands/command_handler.h"
#include "layout/ui/commands/layout_command_context.h"
#include "layout/ui/layout_view.h"

namespace vx {

class EmptyLatticeCommand : public CommandHandler<LayoutCommandContext> {
public:
    bool enabled(const LayoutCommandContext& c) const override {
        return c.activeLayoutView() != nullptr;
    }
    bool run(LayoutCommandContext& c) override { return c.activeLayoutView()->startEmptyLattice(); }
};

}  // namespace vx
