#include "engine/ui/sheet/mode_list_page.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>

#include "effects/kind_shape.h"
#include "effects/mode_kind.h"
#include "engine/ui/sheet/circular_area_dialog.h"
#include "engine/ui/sheet/kind_list.h"
#include "engine/ui/sheet/kind_preview.h"
#include "engine/ui/sheet/page_widgets.h"
#include "layout/history/delete_mode_edit.h"
#include "layout/history/insert_mode_edit.h"

namespace vx {

ModeListPage::ModeListPage(SheetContext& context, QWidget* parent)
    : QWidget(parent), ctx_(context) {
    auto* grid = new QGridLayout(this);
    modes_ = new QListWidget(this);
    modes_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    kinds_ = new QListWidget(this);
    kinds_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    fillKindList(kinds_, kinds::offeredKinds(), ctx_.table);
    info_ = new QLabel(this);
    info_->setWordWrap(true);
    info_->setMinimumHeight(48);
    preview_ = new KindPreview(this);

    auto* modeBox = idBox(this, kDialog, 1101);
    (new QGridLayout(modeBox))->addWidget(modes_);
    auto* kindBox = idBox(this, kDialog, 1109);
    (new QGridLayout(kindBox))->addWidget(kinds_);
    auto* previewBox = idBox(this, kDialog, 1013);
    (new QGridLayout(previewBox))->addWidget(preview_);
    grid->addWidget(modeBox, 0, 0, 3, 1);
    grid->addWidget(kindBox, 0, 1, 3, 1);
    grid->addWidget(previewBox, 0, 2);
    grid->addWidget(info_, 1, 2);

    auto* buttons = new QGridLayout;
    const std::pair<int, void (ModeListPage::*)()> actions[] = {
        {1089, &ModeListPage::add},       {1090, &ModeListPage::insert},
        {1091, &ModeListPage::remove},    {1092, &ModeListPage::edit},
        {1093, &ModeListPage::copy},      {1094, &ModeListPage::paste},
        {1095, &ModeListPage::markStart}, {1096, &ModeListPage::markEnd},
    };
    int i = 0;
    for (const auto& [id, action] : actions) {
        auto* b = idButton(this, kDialog, id);
        connect(b, &QPushButton::clicked, this, action);
        buttons->addWidget(b, i / 3, i % 3);
        ++i;
    }
    auto* confirm = idButton(this, kDialog, 1097);
    connect(confirm, &QPushButton::clicked, this, [this] { ctx_.goToPage(SheetPage::Programs); });
    buttons->addWidget(confirm, i / 3, i % 3);
    grid->addLayout(buttons, 2, 2);

    connect(kinds_, &QListWidget::itemSelectionChanged, this, &ModeListPage::kindSelected);
    ApplyDialogTexts(this, kDialog, ctx_.table);
    const auto c = [this](int id) { return controlWidget(this, id); };
    setTooltips(ctx_.table, {{c(1089), "IDD109_m_p3tip1"},
                             {c(1090), "IDD109_m_p3tip2"},
                             {c(1091), "IDD109_m_p3tip3"},
                             {c(1092), "IDD109_m_p3tip4"},
                             {c(1093), "IDD109_m_p3tip5"},
                             {c(1094), "IDD109_m_p3tip6"},
                             {c(1095), "IDD109_m_p3tip7"},
                             {c(1096), "IDD109_m_p3tip8"},
                             {c(1097), "IDD109_m_p3tip9"}});
    refresh();
}

void ModeListPage::refresh() {
    const ModeList& modes = ctx_.document.layout().effects.modes;
    const auto selected = selectedModes();
    modes_->clear();
    for (const Mode& m : modes) modes_->addItem(QString::fromStdString(m.label));
    for (std::size_t i : selected) {
        if (i < modes.size()) modes_->item(static_cast<int>(i))->setSelected(true);
    }
}

CircularAreaDialog* ModeListPage::circleDialog() {
    if (circle_ == nullptr) {
        circle_ = new CircularAreaDialog(ctx_, this);
        circle_->committed = [this] { ctx_.goToPage(SheetPage::ColorList); };
    }
    return circle_;
}

std::string ModeListPage::selectedKind() const {
    const int row = lastSelectedRow(kinds_);
    return row < 0 ? std::string() : kinds_->item(row)->text().toStdString();
}

std::vector<std::size_t> ModeListPage::selectedModes() const {
    std::vector<std::size_t> out;
    for (int i = 0; i < modes_->count(); ++i) {
        if (modes_->item(i)->isSelected()) out.push_back(static_cast<std::size_t>(i));
    }
    return out;
}

void ModeListPage::kindSelected() {
    const std::string kind = selectedKind();
    const std::string key = kinds::kindInfoKey(kind);
    info_->setText(key.empty() ? QString() : ctx_.text(key));
    if (kind != preview_->kind()) preview_->play(kind);
}

void ModeListPage::add() {
    const std::string kind = selectedKind();
    if (kind.empty()) {
        ctx_.message("PAGE3_ONBUTTON1_PSAT");
        return;
    }
    ctx_.parameterPrepared = false;
    if (kinds::isCircleKind(kind)) {
        circleDialog()->open(false);
        return;
    }
    ctx_.state.beginNew(kind, false);
    ctx_.goToPage(SheetPage::ColorList);
}

void ModeListPage::insert() {
    const std::string kind = selectedKind();
    if (kind.empty() || selectedModes().empty()) {
        ctx_.message("PAGE3_ONBUTTON3_PSAT");
        return;
    }
    ctx_.parameterPrepared = false;
    ctx_.state.beginNew(kind, true);
    ctx_.goToPage(SheetPage::ColorList);
}

void ModeListPage::edit() {
    const int row = lastSelectedRow(modes_);
    if (row < 0) {
        ctx_.message("PAGE3_ONBUTTON4_PSAK");
        return;
    }
    ctx_.state.beginEdit(ctx_.document.layout().effects.modes, static_cast<std::size_t>(row));
    ctx_.parameterPrepared = false;
    ctx_.extraLoaded = false;
    ctx_.colorsArmed = true;
    if (kinds::isCircleKind(ctx_.state.current.kind)) {
        circleDialog()->open(true);
        return;
    }
    ctx_.goToPage(SheetPage::Parameter);
}

void ModeListPage::remove() {
    const int row = lastSelectedRow(modes_);
    if (row < 0) {
        ctx_.message("PAGE3_ONBUTTON2_PSATO");
        ctx_.goToPage(SheetPage::Modes);
        return;
    }
    modes_->clearSelection();
    ctx_.document.apply(std::make_unique<DeleteModeEdit>(static_cast<std::size_t>(row)));
}

void ModeListPage::copy() {
    const int row = lastSelectedRow(modes_);
    if (row < 0) {
        ctx_.message("PAGE3_ONBUTTON8_PSAT");
        return;
    }
    ctx_.state.copyBuffer = ctx_.document.layout().effects.modes[static_cast<std::size_t>(row)];
}

void ModeListPage::paste() {
    const int row = lastSelectedRow(modes_);
    if (row < 0 || !ctx_.state.copyBuffer) {
        ctx_.message("PAGE3_ONBUTTON9_PSAT");
        return;
    }
    ctx_.document.apply(std::make_unique<InsertModeEdit>(
        std::vector<std::size_t>{static_cast<std::size_t>(row) + 1}, *ctx_.state.copyBuffer,
        "ID_UNDO_MODE_PASTE"));
}

void ModeListPage::markStart() {
    const int row = lastSelectedRow(modes_);
    if (row < 0) {
        ctx_.message("PAGE3_ONBUTTON6_PSAK");
        ctx_.goToPage(SheetPage::Modes);
        return;
    }
    ctx_.state.previewStart = static_cast<std::size_t>(row);
}

void ModeListPage::markEnd() {
    const int row = lastSelectedRow(modes_);
    if (row < 0) {
        ctx_.message("PAGE3_ONBUTTON7_PSAK");
        ctx_.goToPage(SheetPage::Modes);
        return;
    }
    ctx_.state.previewEnd = static_cast<std::size_t>(row);
}

}  // namespace vx
