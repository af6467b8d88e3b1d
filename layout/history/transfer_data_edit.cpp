#include "layout/history/transfer_data_edit.h"

namespace vx {

void TransferDataEdit::redo(LampLayout& layout) {
    before_ = layout.effectLamps;
    layout.effectLamps = transferredLamps(layout.lamps);
}

void TransferDataEdit::undo(LampLayout& layout) { layout.effectLamps = before_; }

std::size_t TransferDataEdit::sizeInBytes() const {
    return sizeof(*this) + before_.size() * sizeof(Lamp);
}

}  // namespace vx
