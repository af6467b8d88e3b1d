#pragma once
// Puts copies of one mode into the ModeList ("&Add", "&Insert", "&Paste
// Mode" and the Mode Parameter page's commit of a new mode). Program entries
// behind each new place are renumbered so they keep naming the same modes.

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "layout/history/edit.h"

namespace vx {

class InsertModeEdit : public Edit {
public:
    // `positions`: where the copies stand in the resulting list, ascending.
    InsertModeEdit(std::vector<std::size_t> positions, Mode mode, std::string textKey);
    // One copy at the end of the list.
    static std::unique_ptr<InsertModeEdit> append(const LampLayout& layout, Mode mode);

    void redo(LampLayout& layout) override;
    void undo(LampLayout& layout) override;
    LayoutChange change() const override { return LayoutChange::Effects; }
    std::string_view textKey() const override { return textKey_; }
    std::size_t sizeInBytes() const override;

    const std::vector<std::size_t>& positions() const { return positions_; }

private:
    std::vector<std::size_t> positions_;
    Mode mode_;
    std::string textKey_;
};

}  // namespace vx
