#include "engine/ui/sheet/lamp_group_page.h"

#include <QGridLayout>
#include <QVBoxLayout>

#include <algorithm>

#include "effects/mode_kind.h"
#include "engine/ui/sheet/page_widgets.h"
#include "layout/history/intern_list_edit.h"

namespace vx {
namespace {

void fill(QListWidget* list, const UintList& values) {
    list->clear();
    for (std::uint32_t v : values) list->addItem(QString::number(v));
}

}  // namespace

ClusterPage::ClusterPage(SheetContext& context, QWidget* parent) : QWidget(parent), ctx_(context) {
    auto* grid = new QGridLayout(this);
    lamps_ = new QListWidget(this);
    groups_ = new QListWidget(this);
    auto* lampBox = idBox(this, kDialog, 1101);
    (new QVBoxLayout(lampBox))->addWidget(lamps_);
    auto* groupBox = idBox(this, kDialog, 1127);
    (new QVBoxLayout(groupBox))->addWidget(groups_);
    auto* functions = idBox(this, kDialog, 1070);
    auto* buttons = new QGridLayout(functions);
    const std::pair<int, void (ClusterPage::*)()> actions[] = {
        {1058, &ClusterPage::addLamps},    {1059, &ClusterPage::insertLamps},
        {1060, &ClusterPage::deleteLamps}, {1061, &ClusterPage::inputGroup},
        {1062, &ClusterPage::newGroup},    {1063, &ClusterPage::show},
        {1064, &ClusterPage::addGroup},    {1065, &ClusterPage::insertGroup},
        {1066, &ClusterPage::deleteGroup}, {1067, &ClusterPage::inputGroupGroup},
        {1069, &ClusterPage::openGroup},
    };
    int i = 0;
    for (const auto& [id, action] : actions) {
        auto* b = idButton(functions, kDialog, id);
        connect(b, &QPushButton::clicked, this, action);
        buttons->addWidget(b, i / 2, i % 2);
        ++i;
    }
    auto* back = idButton(functions, kDialog, 1068);
    connect(back, &QPushButton::clicked, this, [this] { ctx_.goToPage(SheetPage::Modes); });
    buttons->addWidget(back, i / 2, i % 2);
    grid->addWidget(lampBox, 0, 0);
    grid->addWidget(groupBox, 0, 1);
    grid->addWidget(functions, 0, 2);
    ApplyDialogTexts(this, kDialog, ctx_.table);
    const auto c = [this](int id) { return controlWidget(this, id); };
    setTooltips(ctx_.table, {{c(1058), "IDD111_m_p5tip1"},
                             {c(1059), "IDD111_m_p5tip2"},
                             {c(1060), "IDD111_m_p5tip3"},
                             {c(1061), "IDD111_m_p5tip4"},
                             {c(1062), "IDD111_m_p5tip5"},
                             {c(1063), "IDD111_m_p5tip6"},
                             {c(1064), "IDD111_m_p5tip7"},
                             {c(1065), "IDD111_m_p5tip8"},
                             {c(1066), "IDD111_m_p5tip9"},
                             {c(1067), "IDD111_m_p5tip10"},
                             {c(1068), "IDD111_m_p5tip11"},
                             {c(1069), "IDD111_m_p5tip12"}});
}

bool ClusterPage::usesCluster() const {
    const Mode& m = ctx_.state.current;
    return kinds::isAnyWordKind(m.kind) ||
           (kinds::isCustomKind(m.kind) && kinds::customUsesCluster(m.kindCode));
}

bool ClusterPage::usesClusterGroup() const {
    const Mode& m = ctx_.state.current;
    return kinds::isCustomKind(m.kind) && kinds::customUsesClusterGroup(m.kindCode);
}

void ClusterPage::refresh() {
    fill(lamps_, ctx_.lampBuffer);
    fill(groups_, ctx_.groupBuffer);
}

void ClusterPage::lampPicked(std::uint32_t lamp, PickKind pick) {
    UintList& buffer = ctx_.lampBuffer;
    const auto found = std::find(buffer.begin(), buffer.end(), lamp);
    if (pick == PickKind::LampAdd && found == buffer.end()) {
        buffer.push_back(lamp);
    } else if (pick == PickKind::LampInsert && found == buffer.end()) {
        const std::size_t at = std::min(ctx_.insertAt, buffer.size());
        buffer.insert(buffer.begin() + static_cast<std::ptrdiff_t>(at), lamp);
        ctx_.insertAt = at + 1;
    } else if (pick == PickKind::LampDelete && found != buffer.end()) {
        buffer.erase(found);
    }
    refresh();
}

void ClusterPage::addLamps() {
    if (ctx_.stepAside) ctx_.stepAside(PickKind::LampAdd, SheetPage::GroupList);
}

void ClusterPage::insertLamps() {
    const int row = lastSelectedRow(lamps_);
    if (row < 0) {
        ctx_.message("PAGE5_ONBUTTON8_PSAL");
        return;
    }
    ctx_.insertAt = static_cast<std::size_t>(row);
    if (ctx_.stepAside) ctx_.stepAside(PickKind::LampInsert, SheetPage::GroupList);
}

void ClusterPage::deleteLamps() {
    if (ctx_.stepAside) ctx_.stepAside(PickKind::LampDelete, SheetPage::GroupList);
}

std::int32_t ClusterPage::internCluster(const UintList& list) {
    auto edit = std::make_unique<InternListEdit>(ListTable::Clusters, list);
    const std::int32_t index =
        InternListEdit::indexIn(ctx_.document.layout(), ListTable::Clusters, list);
    ctx_.document.apply(std::move(edit));
    return index;
}

void ClusterPage::inputGroup() {
    if (!usesCluster()) return;
    ctx_.state.current.clusterIndex = internCluster(ctx_.lampBuffer);
    ctx_.state.custom = false;
    ctx_.lampBuffer.clear();
    refresh();
    ctx_.goToPage(SheetPage::Modes);
}

void ClusterPage::newGroup() {
    if (!usesClusterGroup()) return;
    ctx_.lampBuffer.clear();
    refresh();
}

void ClusterPage::show() {
    const Mode& m = ctx_.state.current;
    const EffectData& fx = ctx_.document.layout().effects;
    ctx_.lampBuffer.clear();
    ctx_.groupBuffer.clear();
    if (!ctx_.state.custom) {
        const auto lampIndex = static_cast<std::size_t>(m.clusterIndex);
        const auto groupIndex = static_cast<std::size_t>(m.clusterGroupIndex);
        if (usesCluster() && m.clusterIndex >= 0 && lampIndex < fx.clusters.size()) {
            ctx_.lampBuffer = fx.clusters[lampIndex];
        } else if (usesClusterGroup() && m.clusterGroupIndex >= 0 &&
                   groupIndex < fx.clusterGroups.size()) {
            ctx_.groupBuffer = fx.clusterGroups[groupIndex];
        }
    }
    refresh();
}

void ClusterPage::addGroup() {
    if (!usesClusterGroup()) return;
    ctx_.groupBuffer.push_back(static_cast<std::uint32_t>(internCluster(ctx_.lampBuffer)));
    refresh();
}

void ClusterPage::insertGroup() {
    if (!usesClusterGroup()) return;
    const int row = lastSelectedRow(groups_);
    const auto index = static_cast<std::uint32_t>(internCluster(ctx_.lampBuffer));
    const std::size_t at = row < 0 ? ctx_.groupBuffer.size() : static_cast<std::size_t>(row);
    ctx_.groupBuffer.insert(ctx_.groupBuffer.begin() + static_cast<std::ptrdiff_t>(at), index);
    refresh();
}

void ClusterPage::deleteGroup() {
    if (!usesClusterGroup()) return;
    const int row = lastSelectedRow(groups_);
    if (row < 0) return;
    const std::uint32_t cluster = ctx_.groupBuffer[static_cast<std::size_t>(row)];
    ctx_.groupBuffer.erase(ctx_.groupBuffer.begin() + row);
    const ClusterTable& clusters = ctx_.document.layout().effects.clusters;
    ctx_.lampBuffer = cluster < clusters.size() ? clusters[cluster] : UintList{};
    refresh();
}

void ClusterPage::openGroup() {
    if (!usesClusterGroup()) return;
    const int row = lastSelectedRow(groups_);
    if (row < 0) return;
    const std::uint32_t cluster = ctx_.groupBuffer[static_cast<std::size_t>(row)];
    const ClusterTable& clusters = ctx_.document.layout().effects.clusters;
    ctx_.lampBuffer = cluster < clusters.size() ? clusters[cluster] : UintList{};
    refresh();
}

void ClusterPage::inputGroupGroup() {
    if (!usesClusterGroup()) return;
    const std::int32_t index =
        InternListEdit::indexIn(ctx_.document.layout(), ListTable::ClusterGroups, ctx_.groupBuffer);
    ctx_.document.apply(
        std::make_unique<InternListEdit>(ListTable::ClusterGroups, ctx_.groupBuffer));
    ctx_.state.current.clusterGroupIndex = index;
    ctx_.state.custom = false;
    ctx_.lampBuffer.clear();
    ctx_.groupBuffer.clear();
    refresh();
    ctx_.goToPage(SheetPage::Modes);
}

}  // namespace vx
