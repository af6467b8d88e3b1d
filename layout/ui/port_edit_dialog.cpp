#include "layout/ui/port_edit_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include "layout/ui/dialog_controls.h"

namespace vx {

PortEditDialog::PortEditDialog(const PortEditState& state, QWidget* parent)
    : QDialog(parent), state_(state) {
    setWindowTitle(QStringLiteral("Port Edit"));
    port_ = new QSpinBox;
    port_->setObjectName(QStringLiteral("port"));
    port_->setRange(1, kPortCount);
    port_->setValue(proposedDialogPort(state));
    position_ = new QSpinBox;
    position_->setObjectName(QStringLiteral("position"));
    position_->setRange(0, 9998);
    position_->setValue(0);
    add_ = withControlId(new QRadioButton(QStringLiteral("add")), kAdd);
    insert_ = withControlId(new QRadioButton(QStringLiteral("insert")), kInsert);
    delete_ = withControlId(new QRadioButton(QStringLiteral("delete")), kDelete);

    auto* form = new QFormLayout(this);
    form->addRow(withControlId(new QLabel(QStringLiteral("Cport 1-12:")), kPortLabel), port_);
    form->addRow(withControlId(new QLabel(QStringLiteral("insert position:")), kPositionLabel),
                 position_);
    auto* row = new QHBoxLayout;
    for (QRadioButton* b : {add_, insert_, delete_}) {
        row->addWidget(b);
        connect(b, &QRadioButton::toggled, this, [this] { followOperation(); });
    }
    form->addRow(row);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    withControlId(buttons->button(QDialogButtonBox::Ok), 1);
    withControlId(buttons->button(QDialogButtonBox::Cancel), 2);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
    followOperation();
}

QRadioButton* PortEditDialog::button(PortOperation operation) const {
    switch (operation) {
        case PortOperation::Add: return add_;
        case PortOperation::Insert: return insert_;
        case PortOperation::Remove: return delete_;
        case PortOperation::None: break;
    }
    return nullptr;
}

PortOperation PortEditDialog::operation() const {
    if (add_->isChecked()) return PortOperation::Add;
    if (insert_->isChecked()) return PortOperation::Insert;
    if (delete_->isChecked()) return PortOperation::Remove;
    return PortOperation::None;
}

PortEditState PortEditDialog::accepted() const {
    return acceptPortDialog(state_, operation(), port_->value(), position_->value());
}

void PortEditDialog::followOperation() {
    const PortOperation op = operation();
    port_->setEnabled(op == PortOperation::Add || op == PortOperation::Insert);
    position_->setEnabled(op == PortOperation::Insert);
}

}  // namespace vx
