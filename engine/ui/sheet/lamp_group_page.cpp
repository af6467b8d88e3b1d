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

LampGroupPage::LampGroupPage(SheetContext& context, QWidget* parent)
    : QWidget(parent), ctx_(context) {
    auto* grid = new QGridLayout(this);
    lamps_ = new QListWidget(this);
    groups_ = new QListWidget(this);
    auto* lampBox = idBox(this, kDialog, 1101);
    (new QVBoxLayout(lampBox))->addWidget(lamps_);
    auto* groupBox = idBox(this, kDialog, 1127);
    (new QVBoxLayout(groupBox))->addWidget(groups_);
    auto* functions = idBox(this, kDialog, 1070);
    auto* buttons = new QGridLayout(functions);
    const std::pair<int, void (LampGroupPage::*)()> actions[] = {
        {1058, &LampGroupPage::addLamps},    {1059, &LampGroupPage::insertLamps},
        {1060, &LampGroupPage::deleteLamps}, {1061, &LampGroupPage::inputGroup},
        {1062, &LampGroupPage::newGroup},    {1063, &LampGroupPage::show},
        {1064, &LampGroupPage::addGroup},    {1065, &LampGroupPage::insertGroup},
        {1066, &LampGroupPage::deleteGroup}, {1067, &LampGroupPage::inputGroupGroup},
        {1069, &LampGroupPage::openGroup},
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
}

bool LampGroupPage::usesLampList() const {
    const Mode& m = ctx_.state.current;
    return kinds::isAnyWordKind(m.kind) ||
           (kinds::isCustomKind(m.kind) && kinds::customUsesLampList(m.kindCode));
}

bool LampGroupPage::usesGroupList() const {
    const Mode& m = ctx_.state.current;
    return kinds::isCustomKind(m.kind) && kinds::customUsesGroupList(m.kindCode);
}

void LampGroupPage::refresh() {
    fill(lamps_, ctx_.lampBuffer);
    fill(groups_, ctx_.groupBuffer);
}

void LampGroupPage::lampPicked(std::uint32_t lamp, PickKind pick) {
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

void LampGroupPage::addLamps() {
    if (ctx_.stepAside) ctx_.stepAside(PickKind::LampAdd, SheetPage::GroupList);
}

void LampGroupPage::insertLamps() {
    const int row = lastSelectedRow(lamps_);
    if (row < 0) {
        ctx_.message("PAGE5_ONBUTTON8_PSAL");
        return;
    }
    ctx_.insertAt = static_cast<std::size_t>(row);
    if (ctx_.stepAside) ctx_.stepAside(PickKind::LampInsert, SheetPage::GroupList);
}

void LampGroupPage::deleteLamps() {
    if (ctx_.stepAside) ctx_.stepAside(PickKind::LampDelete, SheetPage::GroupList);
}

std::int32_t LampGroupPage::internCluster(const UintList& list) {
    auto edit = std::make_unique<InternListEdit>(ListTable::Clusters, list);
    const std::int32_t index =
        InternListEdit::indexIn(ctx_.document.layout(), ListTable::Clusters, list);
    ctx_.document.apply(std::move(edit));
    return index;
}

void LampGroupPage::inputGroup() {
    if (!usesLampList()) return;
    ctx_.state.current.lampListIndex = internCluster(ctx_.lampBuffer);
    ctx_.state.custom = false;
    ctx_.lampBuffer.clear();
    refresh();
    ctx_.goToPage(SheetPage::Modes);
}

void LampGroupPage::newGroup() {
    if (!usesGroupList()) return;
    ctx_.lampBuffer.clear();
    refresh();
}

void LampGroupPage::show() {
    const Mode& m = ctx_.state.current;
    const EffectData& fx = ctx_.document.layout().effects;
    ctx_.lampBuffer.clear();
    ctx_.groupBuffer.clear();
    if (!ctx_.state.custom) {
        const auto lampIndex = static_cast<std::size_t>(m.lampListIndex);
        const auto groupIndex = static_cast<std::size_t>(m.groupListIndex);
        if (usesLampList() && m.lampListIndex >= 0 && lampIndex < fx.clusters.size()) {
            ctx_.lampBuffer = fx.clusters[lampIndex];
        } else if (usesGroupList() && m.groupListIndex >= 0 &&
                   groupIndex < fx.clusterGroups.size()) {
            ctx_.groupBuffer = fx.clusterGroups[groupIndex];
        }
    }
    refresh();
}

void LampGroupPage::addGroup() {
    if (!usesGroupList()) return;
    ctx_.groupBuffer.push_back(static_cast<std::uint32_t>(internCluster(ctx_.lampBuffer)));
    refresh();
}

void LampGroupPage::insertGroup() {
    if (!usesGroupList()) return;
    const int row = lastSelectedRow(groups_);
    const auto index = static_cast<std::uint32_t>(internCluster(ctx_.lampBuffer));
    const std::size_t at = row < 0 ? ctx_.groupBuffer.size() : static_cast<std::size_t>(row);
    ctx_.groupBuffer.insert(ctx_.groupBuffer.begin() + static_cast<std::ptrdiff_t>(at), index);
    refresh();
}

void LampGroupPage::deleteGroup() {
    if (!usesGroupList()) return;
    const int row = lastSelectedRow(groups_);
    if (row < 0) return;
    const std::uint32_t cluster = ctx_.groupBuffer[static_cast<std::size_t>(row)];
    ctx_.groupBuffer.erase(ctx_.groupBuffer.begin() + row);
    const ClusterTable& clusters = ctx_.document.layout().effects.clusters;
    ctx_.lampBuffer = cluster < clusters.size() ? clusters[cluster] : UintList{};
    refresh();
}

void LampGroupPage::openGroup() {
    if (!usesGroupList()) return;
    const int row = lastSelectedRow(groups_);
    if (row < 0) return;
    const std::uint32_t cluster = ctx_.groupBuffer[static_cast<std::size_t>(row)];
    const ClusterTable& clusters = ctx_.document.layout().effects.clusters;
    ctx_.lampBuffer = cluster < clusters.size() ? clusters[cluster] : UintList{};
    refresh();
}

void LampGroupPage::inputGroupGroup() {
    if (!usesGroupList()) return;
    const std::int32_t index =
        InternListEdit::indexIn(ctx_.document.layout(), ListTable::ClusterGroups, ctx_.groupBuffer);
    ctx_.document.apply(
        std::make_unique<InternListEdit>(ListTable::ClusterGroups, ctx_.groupBuffer));
    ctx_.state.current.groupListIndex = index;
    ctx_.state.custom = false;
    ctx_.lampBuffer.clear();
    ctx_.groupBuffer.clear();
    refresh();
    ctx_.goToPage(SheetPage::Modes);
}

}  // namespace vx
