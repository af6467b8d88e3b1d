#pragma once
// Transfer Data: the effect lamp list becomes a copy of the layout's lamps.
// Undo gives back the effect lamps from before; the windows that the
// transfer opened stay open.

#include <vector>

#include "layout/history/edit.h"

namespace vx {

class TransferDataEdit : public Edit {
public:
    // Captures the layout's effect lamps now and its lamps as the new list.
    explicit TransferDataEdit(const LampLayout& layout);

    void redo(LampLayout& layout) override;
    void undo(LampLayout& layout) override;
    LayoutChange change() const override { return LayoutChange::Effects; }
    std::string_view textKey() const override { return "ID_EDIT_PLAMP"; }

    std::size_t lampCount() const { return after_.size(); }

private:
    std::vector<Lamp> before_;
    std::vector<Lamp> after_;
};

}  // namespace vx
