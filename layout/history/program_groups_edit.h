#pragma once
// The program group editor's "&Save" (and the emptying of every program when
// the ModeList is empty): the 32 program groups take new contents. Only the
// groups that change are kept, old and new.

#include <array>
#include <optional>

#include "effects/effect_data.h"
#include "layout/history/edit.h"

namespace vx {

class ProgramGroupsEdit : public Edit {
public:
    explicit ProgramGroupsEdit(std::array<ProgramGroup, kProgramGroupCount> groups);

    void redo(LampLayout& layout) override;
    void undo(LampLayout& layout) override;
    LayoutChange change() const override { return LayoutChange::Effects; }
    std::string_view textKey() const override { return "ID_UNDO_PROGRAM_GROUPS"; }
    std::size_t sizeInBytes() const override;
    bool changedAnything() const override { return changed_; }

private:
    struct Swap {
        ProgramGroup now;
        std::optional<ProgramGroup> before;  // set once redo found a difference
    };
    std::array<Swap, kProgramGroupCount> groups_;
    bool changed_ = false;
};

}  // namespace vx
