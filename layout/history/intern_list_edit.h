#pragma once
// Stores a lamp list in the ClusterTable or a list of clusters in the
// ClusterGroupTable ("In&putGroup ", "Add&Group", "Inpu&tGrpGrp"). An equal
// list already in the table is shared; otherwise the list is appended, and
// only then is there anything to undo.

#include <cstdint>

#include "effects/effect_data.h"
#include "layout/history/edit.h"

namespace vx {

enum class ListTable { Clusters, ClusterGroups };

class InternListEdit : public Edit {
public:
    InternListEdit(ListTable table, UintList list) : table_(table), list_(std::move(list)) {}

    // The index the list gets in `layout`'s table: known before the edit is
    // applied, so a mode can be pointed at it in the same step.
    static std::int32_t indexIn(const LampLayout& layout, ListTable table, const UintList& list);

    void redo(LampLayout& layout) override;
    void undo(LampLayout& layout) override;
    LayoutChange change() const override { return LayoutChange::Effects; }
    std::string_view textKey() const override { return "ID_UNDO_LAMP_GROUP"; }
    std::size_t sizeInBytes() const override {
        return sizeof(*this) + list_.capacity() * sizeof(std::uint32_t);
    }
    bool changedAnything() const override { return appended_; }

    std::int32_t index() const { return index_; }

private:
    static std::vector<UintList>& tableOf(LampLayout& layout, ListTable table);

    ListTable table_;
    UintList list_;
    std::int32_t index_ = -1;
    bool appended_ = false;
};

}  // namespace vx
