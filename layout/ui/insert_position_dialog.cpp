#include "layout/ui/insert_position_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

#include "layout/ui/dialog_controls.h"

namespace vx {

InsertPositionDialog::InsertPositionDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Insert Position"));
    position_ = new QSpinBox;
    position_->setObjectName(QStringLiteral("position"));
    position_->setRange(1, 9999);
    position_->setValue(1);
    auto* form = new QFormLayout(this);
    form->addRow(withControlId(new QLabel(QStringLiteral("Insert position:")), kPositionLabel),
                 position_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    withControlId(buttons->button(QDialogButtonBox::Ok), 1);
    withControlId(buttons->button(QDialogButtonBox::Cancel), 2);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

int InsertPositionDialog::position() const { return position_->value(); }

}  // namespace vx
