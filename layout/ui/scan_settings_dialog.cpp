#include "layout/ui/scan_settings_dialog.h"

#include <QDialogButtonBox>
#include <QDoubleValidator>
#include <QFormLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

#include "layout/ui/dialog_controls.h"

namespace vx {
namespace {

QLineEdit* numberField(const QString& name, const QString& text, bool whole) {
    auto* field = new QLineEdit(text);
    field->setObjectName(name);
    if (whole) {
        field->setValidator(new QIntValidator(field));
    } else {
        auto* v = new QDoubleValidator(field);
        v->setLocale(QLocale::c());
        field->setValidator(v);
    }
    return field;
}

}  // namespace

ScanSettingsDialog::ScanSettingsDialog(const ScanSettingsEntry& current, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("Scan Settings"));
    objectSize_ =
        numberField(QStringLiteral("objectSize"), QString::number(current.objectSize), false);
    lampSize_ = numberField(QStringLiteral("lampSize"), QString::number(current.lampSize), false);
    tolerance_ =
        numberField(QStringLiteral("tolerance"), QString::number(current.colorTolerance), true);
    auto* form = new QFormLayout(this);
    form->addRow(withControlId(new QLabel(QStringLiteral("Object Size (mm):")), kObjectSize),
                 objectSize_);
    form->addRow(withControlId(new QLabel(QStringLiteral("Lamp Size (mm):")), kLampSize),
                 lampSize_);
    form->addRow(withControlId(new QLabel(QStringLiteral("BackColor Scope (1-254):")), kTolerance),
                 tolerance_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    withControlId(buttons->button(QDialogButtonBox::Ok), 1);
    withControlId(buttons->button(QDialogButtonBox::Cancel), 2);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

ScanSettingsEntry ScanSettingsDialog::entry() const {
    const QLocale c = QLocale::c();
    return ScanSettingsEntry{c.toDouble(objectSize_->text()), c.toDouble(lampSize_->text()),
                             c.toLongLong(tolerance_->text())};
}

}  // namespace vx
