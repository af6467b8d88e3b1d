#include "engine/ui/sheet/gradient_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QIcon>
#include <QPixmap>
#include <QRadioButton>

#include "engine/ui/sheet/num_field.h"
#include "engine/ui/sheet/page_widgets.h"

namespace vx {

GradientDialog::GradientDialog(SheetContext& context, QWidget* parent)
    : QDialog(parent), ctx_(context) {
    setWindowTitle(resourceTitleText(kDialog));
    auto* grid = new QGridLayout(this);
    auto* startButton = idButton(this, kDialog, 1000);
    auto* endButton = idButton(this, kDialog, 1001);
    steps_ = new NumField(this);
    steps_->model().setRange(kGradientMinSteps, kGradientMaxSteps);
    steps_->setValue(kGradientMinSteps);
    sin_ = new QRadioButton(resourceCaptionText(kDialog, 1003), this);
    cos_ = new QRadioButton(resourceCaptionText(kDialog, 1004), this);
    setControlId(sin_, 1003);
    setControlId(cos_, 1004);
    // Neither checked means linear, so the two are not exclusive by themselves.
    for (QRadioButton* r : {sin_, cos_}) r->setAutoExclusive(false);
    connect(sin_, &QRadioButton::toggled, this, [this](bool on) {
        if (on) cos_->setChecked(false);
    });
    connect(cos_, &QRadioButton::toggled, this, [this](bool on) {
        if (on) sin_->setChecked(false);
    });
    insert_ = new QCheckBox(resourceCaptionText(kDialog, 1005), this);
    setControlId(insert_, 1005);
    grid->addWidget(startButton, 0, 0);
    grid->addWidget(endButton, 0, 1);
    grid->addWidget(idLabel(this, kDialog, 1002), 1, 0);
    grid->addWidget(steps_, 1, 1);
    grid->addWidget(sin_, 2, 0);
    grid->addWidget(cos_, 2, 1);
    grid->addWidget(insert_, 3, 0);
    auto* buttons = new QDialogButtonBox(this);
    auto* ok = idButton(this, kDialog, 1);
    auto* cancel = idButton(this, kDialog, 2);
    buttons->addButton(ok, QDialogButtonBox::AcceptRole);
    buttons->addButton(cancel, QDialogButtonBox::RejectRole);
    grid->addWidget(buttons, 4, 0, 1, 2);
    ApplyDialogTexts(this, kDialog, ctx_.table);

    // The button shows the colour it picked, so both ends can be checked
    // before OK.
    auto pick = [this](std::optional<Rgb>& target, QPushButton* button) {
        if (!ctx_.hooks.pickColor) return;
        const auto c = ctx_.hooks.pickColor();
        if (!c) return;
        target = c;
        QPixmap swatch(16, 16);
        swatch.fill(QColor(c->r, c->g, c->b));
        button->setIcon(QIcon(swatch));
    };
    connect(startButton, &QPushButton::clicked, this,
            [this, pick, startButton] { pick(start, startButton); });
    connect(endButton, &QPushButton::clicked, this,
            [this, pick, endButton] { pick(end, endButton); });
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

GradientShape GradientDialog::shape() const {
    if (sin_->isChecked()) return GradientShape::Sin;
    if (cos_->isChecked()) return GradientShape::Cos;
    return GradientShape::Linear;
}

}  // namespace vx
