#pragma once
// Port editing: a click on a lamp (or a drag over several) adds it to,
// inserts it into or removes it from the chosen port's chain, as the port
// editing state says. The state moves on from lamp to lamp; stateAfter()
// is where the view's editing continues. Undo gives every touched lamp its
// old port, order and colour back.

#include "layout/history/cell_run_edit.h"
#include "layout/ports.h"

namespace vx {

class WirePortEdit : public CellRunEdit {
public:
    WirePortEdit(LatticeCell cell, PortEditState state, std::uint64_t stroke = 0)
        : CellRunEdit(cell, stroke), start_(state), state_(state) {}

    bool mergeWith(const Edit& next) override;
    LayoutChange change() const override { return LayoutChange::Ports; }
    std::string_view textKey() const override { return "ID_CPORT_EDIT"; }
    const PortEditState& stateAfter() const { return state_; }

protected:
    void startRun() override { state_ = start_; }
    LampListDelta applyAt(LampLayout& layout, LatticeCell cell) override;

private:
    PortEditState start_;
    PortEditState state_;
};

}  // namespace vx
