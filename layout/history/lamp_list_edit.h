#pragma once
// A change to the layout's lamp list (insertion, deletion, port wiring),
// kept as the list before and after. A drag that changes lamp after lamp
// pushes one of these per pointer move with the same stroke number; they
// merge into one step.

#include <cstdint>
#include <string>
#include <vector>

#include "layout/history/edit.h"

namespace vx {

class LampListEdit : public Edit {
public:
    // `stroke` 0 never merges; equal non-zero strokes do.
    LampListEdit(std::vector<Lamp> before, std::vector<Lamp> after, std::string textKey,
                 std::uint64_t stroke = 0);

    void redo(LampLayout& layout) override;
    void undo(LampLayout& layout) override;
    bool mergeWith(const Edit& next) override;
    LayoutChange change() const override { return LayoutChange::Lamps; }
    std::string_view textKey() const override { return textKey_; }

    const std::vector<Lamp>& before() const { return before_; }
    const std::vector<Lamp>& after() const { return after_; }

private:
    std::vector<Lamp> before_;
    std::vector<Lamp> after_;
    std::string textKey_;
    std::uint64_t stroke_;
};

}  // namespace vx
