#include "layout/history/intern_list_edit.h"

#include <algorithm>

namespace vx {

std::vector<UintList>& InternListEdit::tableOf(LampLayout& layout, ListTable table) {
    return table == ListTable::Clusters ? layout.effects.clusters : layout.effects.clusterGroups;
}

std::int32_t InternListEdit::indexIn(const LampLayout& layout, ListTable table,
                                     const UintList& list) {
    const auto& t =
        table == ListTable::Clusters ? layout.effects.clusters : layout.effects.clusterGroups;
    const auto found = std::find(t.begin(), t.end(), list);
    return static_cast<std::int32_t>(found - t.begin());
}

void InternListEdit::redo(LampLayout& layout) {
    auto& table = tableOf(layout, table_);
    const std::size_t before = table.size();
    index_ = internList(list_, table);
    appended_ = table.size() != before;
}

void InternListEdit::undo(LampLayout& layout) {
    if (appended_) tableOf(layout, table_).pop_back();
}

}  // namespace vx
