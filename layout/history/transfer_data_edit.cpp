#include "layout/history/transfer_data_edit.h"

namespace vx {

TransferDataEdit::TransferDataEdit(const LampLayout& layout)
    : before_(layout.effectLamps), after_(layout.lamps) {}

void TransferDataEdit::redo(LampLayout& layout) { layout.effectLamps = after_; }

void TransferDataEdit::undo(LampLayout& layout) { layout.effectLamps = before_; }

}  // namespace vx
