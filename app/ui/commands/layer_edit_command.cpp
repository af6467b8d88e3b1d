#include "app/ui/commands/layer_edit_command.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include "engine/ui/effect_view.h"
#include "platform/ui/dialog_texts.h"

namespace vx {
namespace {

constexpr int kDialog = 178;

}  // namespace

bool LayerEditCommand::run(AppCommandContext& c) {
    EffectView* view = c.activeEffectView();
    QDialog dialog(c.dialogParent());
    dialog.setWindowTitle(resourceTitleText(kDialog));
    auto* grid = new QGridLayout(&dialog);
    auto* label = new QLabel(resourceCaptionText(kDialog, 1000), &dialog);
    setControlId(label, 1000);
    auto* number = new QSpinBox(&dialog);
    number->setRange(1, static_cast<int>(kLayerCount));
    number->setValue(view->editedLayer() > 0 ? view->editedLayer() : 1);
    auto* add = new QRadioButton(resourceCaptionText(kDialog, 1001), &dialog);
    auto* remove = new QRadioButton(resourceCaptionText(kDialog, 1002), &dialog);
    setControlId(add, 1001);
    setControlId(remove, 1002);
    add->setChecked(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    setControlId(buttons->button(QDialogButtonBox::Ok), 1);
    setControlId(buttons->button(QDialogButtonBox::Cancel), 2);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    grid->addWidget(label, 0, 0);
    grid->addWidget(number, 0, 1);
    grid->addWidget(add, 1, 0);
    grid->addWidget(remove, 1, 1);
    grid->addWidget(buttons, 2, 0, 1, 2);
    ApplyDialogTexts(&dialog, kDialog, c.languageTable());
    if (dialog.exec() != QDialog::Accepted) return false;
    view->setEditedLayer(number->value(), remove->isChecked());
    return true;
}

}  // namespace vx
