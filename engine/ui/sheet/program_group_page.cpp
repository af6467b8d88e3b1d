#include "engine/ui/sheet/program_group_page.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGridLayout>
#include <QMenu>
#include <QStyle>
#include <QVBoxLayout>

#include "engine/ui/sheet/page_widgets.h"
#include "layout/history/program_groups_edit.h"

namespace vx {

int ProgramTreeWidget::programOf(const QTreeWidgetItem* item) {
    // Root -> program -> entry -> property -> coordinate.
    const QTreeWidgetItem* program = nullptr;
    for (const QTreeWidgetItem* i = item; i != nullptr && i->parent() != nullptr; i = i->parent()) {
        program = i;
    }
    if (program == nullptr) return -1;
    return program->parent()->indexOfChild(const_cast<QTreeWidgetItem*>(program));
}

void ProgramTreeWidget::dragEnterEvent(QDragEnterEvent* event) {
    if (event->source() != nullptr && event->source() != this) event->acceptProposedAction();
}

void ProgramTreeWidget::dragMoveEvent(QDragMoveEvent* event) {
    const int program = programOf(itemAt(event->position().toPoint()));
    if (program >= 0 && event->source() != this)
        event->acceptProposedAction();
    else
        event->ignore();
}

void ProgramTreeWidget::dropEvent(QDropEvent* event) {
    const int program = programOf(itemAt(event->position().toPoint()));
    auto* source = qobject_cast<QTreeWidget*>(event->source());
    if (program < 0 || source == nullptr || source == this) {
        event->ignore();
        return;
    }
    QStringList texts;
    for (QTreeWidgetItem* item : source->selectedItems()) {
        // Only entry items (children of the root) carry index + "_" + label.
        if (item->parent() != nullptr && item->parent()->parent() == nullptr) {
            texts << item->text(0);
        }
    }
    if (dropped && !texts.isEmpty()) dropped(static_cast<std::size_t>(program), texts);
    event->acceptProposedAction();
}

ProgramGroupPage::ProgramGroupPage(SheetContext& context, QWidget* parent)
    : QWidget(parent), ctx_(context) {
    auto* grid = new QGridLayout(this);
    left_ = new ProgramTreeWidget(this);
    right_ = new QTreeWidget(this);
    for (QTreeWidget* t : {static_cast<QTreeWidget*>(left_), right_}) {
        t->setHeaderHidden(true);
        t->setIconSize(QSize(16, 16));
        t->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(t, &QTreeWidget::customContextMenuRequested, this,
                [this, t](const QPoint& at) { contextMenu(t, at); });
    }
    left_->setAcceptDrops(true);
    left_->setDropIndicatorShown(true);
    right_->setDragEnabled(true);
    right_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    left_->dropped = [this](std::size_t n, const QStringList& texts) { dropOn(n, texts); };

    auto* leftBox = idBox(this, kDialog, 1003);
    (new QVBoxLayout(leftBox))->addWidget(left_);
    auto* rightBox = idBox(this, kDialog, 1004);
    (new QVBoxLayout(rightBox))->addWidget(right_);
    auto* operate = idBox(this, kDialog, 1005);
    auto* buttons = new QVBoxLayout(operate);
    const std::pair<int, void (ProgramGroupPage::*)()> actions[] = {
        {1330, &ProgramGroupPage::save},
        {1331, &ProgramGroupPage::rebuild},
        {1009, &ProgramGroupPage::insertAll},
        {1010, &ProgramGroupPage::removeAll},
    };
    for (const auto& [id, action] : actions) {
        auto* b = idButton(operate, kDialog, id);
        connect(b, &QPushButton::clicked, this, action);
        buttons->addWidget(b);
    }
    buttons->addStretch();
    grid->addWidget(leftBox, 0, 0);
    grid->addWidget(rightBox, 0, 1);
    grid->addWidget(operate, 0, 2);
    ApplyDialogTexts(this, kDialog, ctx_.table);
    const auto c = [this](int id) { return controlWidget(this, id); };
    setTooltips(ctx_.table, {{c(1330), "IDD107_m_p1tip1"},
                             {c(1331), "IDD107_m_p1tip2"},
                             {c(1009), "IDD107_m_p1tip3"},
                             {c(1010), "IDD107_m_p1tip4"}});
}

void ProgramGroupPage::rebuild() {
    const EffectData& fx = ctx_.document.layout().effects;
    if (fx.modes.empty()) {
        ctx_.document.apply(
            std::make_unique<ProgramGroupsEdit>(std::array<ProgramGroup, kProgramGroupCount>{}));
    }
    tree_ = buildProgramTree(ctx_.document.layout().effects);
    showTree();
}

void ProgramGroupPage::insertAll() {
    tree_ = insertAllTree(ctx_.document.layout().effects.modes);
    showTree();
}

void ProgramGroupPage::removeAll() {
    tree_ = removeAllTree(ctx_.document.layout().effects.modes);
    showTree();
}

void ProgramGroupPage::save() {
    const auto groups = programGroupsFromTree(tree_, ctx_.document.layout().effects.modes);
    if (!groups) {
        ctx_.message(groups.error().key);
        return;
    }
    ctx_.document.apply(std::make_unique<ProgramGroupsEdit>(groups.value()));
    tree_ = buildProgramTree(ctx_.document.layout().effects);
    showTree();
}

void ProgramGroupPage::dropOn(std::size_t program, const QStringList& entries) {
    if (program >= kProgramGroupCount) return;
    for (const QString& e : entries) tree_.programs[program].push_back(e.toStdString());
    showTree();
}

void ProgramGroupPage::removeSelectedEntry() {
    QTreeWidgetItem* item = left_->currentItem();
    if (item == nullptr || item->parent() == nullptr || item->parent()->parent() == nullptr) return;
    QTreeWidgetItem* programItem = item->parent();
    if (programItem->parent()->parent() != nullptr) return;  // a property, not an entry
    const int program = ProgramTreeWidget::programOf(item);
    const int row = programItem->indexOfChild(item);
    auto& entries = tree_.programs[static_cast<std::size_t>(program)];
    entries.erase(entries.begin() + row);
    showTree();
}

QTreeWidgetItem* ProgramGroupPage::entryItem(QTreeWidgetItem* parent, const std::string& text) {
    auto* item = new QTreeWidgetItem(parent, {QString::fromStdString(text)});
    item->setIcon(0, style()->standardIcon(QStyle::SP_FileIcon));
    const ModeList& modes = ctx_.document.layout().effects.modes;
    const auto index = entryIndex(text);
    if (!index || *index >= modes.size()) return item;
    for (const PropertyItem& p : modeProperties(modes[*index], ctx_.cellSize)) {
        auto* prop = new QTreeWidgetItem(item, {QString::fromStdString(p.text)});
        prop->setIcon(0, style()->standardIcon(QStyle::SP_FileDialogInfoView));
        for (const std::string& child : p.children) {
            new QTreeWidgetItem(prop, {QString::fromStdString(child)});
        }
    }
    return item;
}

void ProgramGroupPage::showTree() {
    left_->clear();
    right_->clear();
    const QIcon folder = style()->standardIcon(QStyle::SP_DirIcon);
    auto* programs = new QTreeWidgetItem(left_, {QStringLiteral("Program Group")});
    programs->setIcon(0, folder);
    for (std::size_t n = 0; n < kProgramGroupCount; ++n) {
        auto* program = new QTreeWidgetItem(programs, {QString::fromStdString(programItemText(n))});
        program->setIcon(0, folder);
        for (const std::string& entry : tree_.programs[n]) entryItem(program, entry);
    }
    programs->setExpanded(true);
    auto* existing = new QTreeWidgetItem(right_, {QStringLiteral("Exist Mode")});
    existing->setIcon(0, folder);
    for (const std::string& entry : tree_.existing) entryItem(existing, entry);
    existing->setExpanded(true);
}

void ProgramGroupPage::contextMenu(QTreeWidget* tree, const QPoint& at) {
    QMenu menu(this);
    QAction* remove = menu.addAction(ctx_.text("ID_TREE_DELETE"));
    QAction* refresh = menu.addAction(ctx_.text("ID_TREE_REFRESH"));
    QAction* chosen = menu.exec(tree->viewport()->mapToGlobal(at));
    if (chosen == remove && tree == left_) removeSelectedEntry();
    if (chosen == refresh) rebuild();
}

}  // namespace vx
