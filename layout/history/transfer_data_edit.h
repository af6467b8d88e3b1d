#pragma once
// Transfer Data: the effect lamp list becomes the layout's lamps as the file
// keeps them (transferredLamps).
// Undo gives back the effect lamps from before; the windows that the
// transfer opened stay open.

#include <vector>

#include "layout/history/edit.h"

namespace vx {

class TransferDataEdit : public Edit {
public:
    void redo(LampLayout& layout) override;
    void undo(LampLayout& layout) override;
    LayoutChange change() const override { return LayoutChange::Effects; }
    std::string_view textKey() const override { return "ID_EDIT_PLAMP"; }
    std::size_t sizeInBytes() const override;

private:
    std::vector<Lamp> before_;  // the effect lamps the transfer replaced
};

}  // namespace vx
