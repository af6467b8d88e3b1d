#include "app/wizard/ui/wizard_pages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/wizard/wizard_styles.h"
#include "layout/ui/dialog_controls.h"

namespace vx {
namespace {

QPushButton* pushButton(const char* caption, int id) {
    auto* b = withControlId(new QPushButton(QString::fromUtf8(caption)), id);
    b->setObjectName(QStringLiteral("button%1").arg(id));
    // Enter in a count field ends the edit; it must not press Add.
    b->setAutoDefault(false);
    return b;
}

QLabel* caption(const char* text, int id) {
    return withControlId(new QLabel(QString::fromUtf8(text)), id);
}

QPushButton* findButton(const QWidget* page, int control) {
    return page->findChild<QPushButton*>(QStringLiteral("button%1").arg(control));
}

constexpr int kNoGroup = -1;

}  // namespace

WizardStartPage::WizardStartPage(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("New Layout Wizard"));
    auto* column = new QVBoxLayout(this);
    auto* text = caption("This wizard builds a rectangle of lamps.", 1000);
    text->setWordWrap(true);
    column->addWidget(text);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    auto* next = pushButton("Next", 1193);
    auto* cancel = pushButton("Cancel", 2);
    row->addWidget(next);
    row->addWidget(cancel);
    column->addLayout(row);
    connect(next, &QPushButton::clicked, this, &WizardStartPage::nextRequested);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

WizardShapePage::WizardShapePage(WizardSession& session, LampLayout& layout, QWidget* parent)
    : QDialog(parent), session_(session), layout_(layout) {
    setWindowTitle(QStringLiteral("New Layout Wizard - Step 1"));
    // Wider than 1..200, so that what is typed reaches the clamping rule.
    columns_ = new QSpinBox;
    rows_ = new QSpinBox;
    for (QSpinBox* box : {columns_, rows_}) {
        box->setRange(0, 999);
        box->setKeyboardTracking(false);
    }
    fill_ = withControlId(new QCheckBox(QStringLiteral("Fill")), 1212);
    port_ = new QComboBox;
    for (int p = 1; p <= 12; ++p) port_->addItem(QString::number(p));
    total_ = new QLineEdit;
    total_->setReadOnly(true);

    auto* grid = new QGridLayout(this);
    grid->addWidget(caption("Col:", 1113), 0, 0);
    grid->addWidget(columns_, 0, 1);
    grid->addWidget(caption("Row:", 1114), 1, 0);
    grid->addWidget(rows_, 1, 1);
    grid->addWidget(fill_, 2, 1);
    grid->addWidget(caption("Total Lamp:", 1100), 3, 0);
    grid->addWidget(total_, 3, 1);
    grid->addWidget(caption("Port:", 1120), 4, 0);
    grid->addWidget(port_, 4, 1);
    auto* row = new QHBoxLayout;
    for (auto [text, id] : {std::pair{"Add", 1198}, std::pair{"Delete", 1199},
                            std::pair{"Back", 1102}, std::pair{"Next", 1193},
                            std::pair{"Finish", 1194}}) {
        row->addWidget(pushButton(text, id));
    }
    grid->addLayout(row, 5, 0, 1, 2);
    showShape();

    connect(columns_, &QSpinBox::valueChanged, this, [this](int value) {
        session_.editColumns(layout_, value);
        showShape();
        Q_EMIT layoutEdited();
    });
    connect(rows_, &QSpinBox::valueChanged, this, [this](int value) {
        session_.editRows(layout_, value);
        showShape();
        Q_EMIT layoutEdited();
    });
    connect(fill_, &QCheckBox::toggled, this, [this](bool on) {
        session_.setFill(on);
        showShape();
    });
    connect(port_, &QComboBox::currentIndexChanged, this,
            [this](int index) { session_.setPort(index + 1); });
    const auto lampsThen = [this](void (WizardShapePage::*signal)()) {
        return [this, signal] {
            session_.makeLamps(layout_);
            Q_EMIT layoutEdited();
            Q_EMIT(this->*signal)();
        };
    };
    connect(button(1198), &QPushButton::clicked, this, lampsThen(&WizardShapePage::addRequested));
    connect(button(1199), &QPushButton::clicked, this,
            lampsThen(&WizardShapePage::deleteRequested));
    connect(button(1193), &QPushButton::clicked, this, [this] {
        session_.wire(layout_);
        Q_EMIT layoutEdited();
        Q_EMIT nextRequested();
    });
    connect(button(1194), &QPushButton::clicked, this, [this] {
        session_.makeLamps(layout_);
        session_.wire(layout_);
        Q_EMIT layoutEdited();
        Q_EMIT finishRequested();
    });
    connect(button(1102), &QPushButton::clicked, this, &WizardShapePage::backRequested);
}

QPushButton* WizardShapePage::button(int control) const { return findButton(this, control); }

void WizardShapePage::showShape() {
    const WizardShape& s = session_.shape();
    for (auto [box, value] : {std::pair{columns_, s.columns}, std::pair{rows_, s.rows}}) {
        const QSignalBlocker quiet(box);
        box->setValue(value);
    }
    const QSignalBlocker quietFill(fill_);
    fill_->setChecked(s.fill);
    const QSignalBlocker quietPort(port_);
    port_->setCurrentIndex(s.port - 1);
    total_->setText(QString::number(session_.total()));
}

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
        selected, {QString::fromStdString(styleItemText(s, text_("ID_MSG_CMODEEDIT_STYLE" +
                                                                 std::to_string(s)).toStdString()))});
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

WizardReportPage::WizardReportPage(const WizardSession& session, const LampLayout& layout,
                                   TextLookup text, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("New Layout Wizard - Step 3"));
    report_ = new QListWidget;
    const auto name = [&text](std::size_t s) {
        return text("ID_MSG_CMODEEDIT_STYLE" + std::to_string(s)).toStdString();
    };
    for (const auto& line : wizardReport(layout.lamps.size(), session.chosen(), name)) {
        report_->addItem(QString::fromStdString(line));
    }
    demo_ = withControlId(new QRadioButton(QStringLiteral("Start Demo")), 1211);
    edit_ = withControlId(new QRadioButton(QStringLiteral("Continue Edit")), 1210);
    demo_->setChecked(true);
    auto* column = new QVBoxLayout(this);
    column->addWidget(caption("Report", 1000));
    column->addWidget(report_);
    column->addWidget(demo_);
    column->addWidget(edit_);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(pushButton("Back", 1207));
    row->addWidget(pushButton("Finish", 1208));
    column->addLayout(row);
    connect(button(1208), &QPushButton::clicked, this,
            [this] { Q_EMIT finishRequested(startDemo()); });
    connect(button(1207), &QPushButton::clicked, this, &WizardReportPage::backRequested);
}

bool WizardReportPage::startDemo() const { return demo_->isChecked(); }

QRadioButton* WizardReportPage::endChoice(int control) const {
    return control == 1211 ? demo_ : control == 1210 ? edit_ : nullptr;
}

QPushButton* WizardReportPage::button(int control) const { return findButton(this, control); }

}  // namespace vx
