#include "app/wizard/ui/wizard_pages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QSpinBox>

#include "app/wizard/ui/page_controls.h"

namespace vx {

using namespace wizard_ui;

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
    for (auto [text, id] :
         {std::pair{"Add", 1198}, std::pair{"Delete", 1199}, std::pair{"Back", 1102},
          std::pair{"Next", 1193}, std::pair{"Finish", 1194}}) {
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

}  // namespace vx
