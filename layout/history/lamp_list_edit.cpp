#include "layout/history/lamp_list_edit.h"

#include <utility>

namespace vx {

LampListEdit::LampListEdit(std::vector<Lamp> before, std::vector<Lamp> after, std::string textKey,
                           std::uint64_t stroke)
    : before_(std::move(before)),
      after_(std::move(after)),
      textKey_(std::move(textKey)),
      stroke_(stroke) {}

void LampListEdit::redo(LampLayout& layout) { layout.lamps = after_; }

void LampListEdit::undo(LampLayout& layout) { layout.lamps = before_; }

bool LampListEdit::mergeWith(const Edit& next) {
    const auto* other = dynamic_cast<const LampListEdit*>(&next);
    if (other == nullptr || stroke_ == 0 || other->stroke_ != stroke_ ||
        other->textKey_ != textKey_) {
        return false;
    }
    // The stroke's pieces follow one another, so the earlier piece's result
    // is the later one's start; only the final list is kept.
    after_ = other->after_;
    return true;
}

}  // namespace vx
