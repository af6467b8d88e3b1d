#include "app/wizard/ui/wizard_pages.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/wizard/ui/page_controls.h"
#include "app/wizard/ui/style_preview.h"
#include "app/wizard/wizard_styles.h"

namespace vx {

using namespace wizard_ui;

namespace {
constexpr int kNoGroup = -1;
}  // namespace

WizardStylesPage::WizardStylesPage(WizardSession& session, LampLayout& layout, TextLookup text,
                                   QWidget* parent)
    : QDialog(parent), session_(session), layout_(layout), text_(std::move(text)) {
    setWindowTitle(QStringLiteral("New Layout Wizard - Step 2"));
    styles_ = new QListWidget;
    for (std::size_t s = 0; s < kWizardStyleCount; ++s) {
        styles_->addItem(text_("ID_MSG_CMODEEDIT_STYLE" + std::to_string(s)));
    }
    tree_ = new QTreeWidget;
    tree_->setHeaderHidden(true);
    auto* root = new QTreeWidgetItem(tree_, {QStringLiteral("Program Group")});
    root->setData(0, Qt::UserRole, kNoGroup);
    for (std::size_t g = 0; g < kProgramGroupCount; ++g) {
        auto* item = new QTreeWidgetItem(root, {text_("ID_PRG_" + std::to_string(g))});
        item->setData(0, Qt::UserRole, static_cast<int>(g));
    }
    root->setExpanded(true);
    description_ = new QLineEdit;
    description_->setReadOnly(true);

    auto* grid = new QGridLayout(this);
    grid->addWidget(caption("Style", 1101), 0, 0);
    grid->addWidget(styles_, 1, 0);
    grid->addWidget(caption("Program", 1203), 0, 2);
    grid->addWidget(tree_, 1, 2);
    auto* middle = new QVBoxLayout;
    middle->addStretch(1);
    middle->addWidget(pushButton("Insert", 1215));
    middle->addWidget(pushButton("Remove", 1216));
    middle->addStretch(1);
    auto* previewBox = withControlId(new QGroupBox(QStringLiteral("Preview")), 1217);
    preview_ = new StylePreview;
    (new QVBoxLayout(previewBox))->addWidget(preview_);
    middle->addWidget(previewBox);
    grid->addLayout(middle, 1, 1);
    grid->addWidget(caption("Description", 1220), 2, 0);
    grid->addWidget(description_, 3, 0, 1, 3);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(pushButton("Back", 1102));
    row->addWidget(pushButton("Next", 1193));
    grid->addLayout(row, 4, 0, 1, 3);

    connect(styles_, &QListWidget::currentRowChanged, this, [this](int style) {
        if (style >= 0) {
            description_->setText(text_("ID_MSG_CMODEEDIT_TEXT") + QString::number(style));
            preview_->play(static_cast<std::size_t>(style));
        }
    });
    connect(button(1215), &QPushButton::clicked, this, [this] { insertStyle(); });
    connect(button(1216), &QPushButton::clicked, this, [this] { removeStyle(); });
    connect(button(1102), &QPushButton::clicked, this, &WizardStylesPage::backRequested);
    connect(button(1193), &QPushButton::clicked, this, &WizardStylesPage::nextRequested);
    if (session_.openStyles(layout_)) Q_EMIT layoutEdited();
}

QPushButton* WizardStylesPage::button(int control) const { return findButton(this, control); }

int WizardStylesPage::groupOf(QTreeWidgetItem* item) const {
    if (item == nullptr) return kNoGroup;
    const int own = item->data(0, Qt::UserRole).toInt();
    if (own != kNoGroup || item->parent() == nullptr) return own;
    return item->parent()->data(0, Qt::UserRole).toInt();
}

void WizardStylesPage::insertStyle() {
    QTreeWidgetItem* selected = tree_->currentItem();
    const int style = styles_->currentRow();
    if (selected == nullptr || style < 0) return;
    const auto s = static_cast<std::size_t>(style);
    auto* child = new QTreeWidgetItem(
        selected, {QString::fromStdString(styleItemText(
                      s, text_("ID_MSG_CMODEEDIT_STYLE" + std::to_string(s)).toStdString()))});
    child->setData(0, Qt::UserRole, kNoGroup);
    selected->setExpanded(true);
    const int group = groupOf(selected);
    if (group == kNoGroup) return;  // the root only gains an item
    vx::insertStyle(layout_.effects, session_.chosen(), static_cast<std::size_t>(group), s);
    Q_EMIT layoutEdited();
}

void WizardStylesPage::removeStyle() {
    QTreeWidgetItem* selected = tree_->currentItem();
    if (selected == nullptr || selected->parent() == nullptr) return;
    const int group = groupOf(selected);
    delete selected;
    if (group == kNoGroup) return;
    vx::removeStyle(layout_.effects, session_.chosen(), static_cast<std::size_t>(group));
    Q_EMIT layoutEdited();
}

}  // namespace vx
