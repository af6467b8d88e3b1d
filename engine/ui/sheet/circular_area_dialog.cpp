#include "engine/ui/sheet/circular_area_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QIntValidator>
#include <QLineEdit>

#include "effects/mode_kind.h"
#include "effects/parameter_rules.h"
#include "engine/ui/sheet/kind_list.h"
#include "engine/ui/sheet/page_widgets.h"

namespace vx {

CircularAreaDialog::CircularAreaDialog(SheetContext& context, QWidget* parent)
    : QDialog(parent), ctx_(context) {
    setWindowTitle(resourceTitleText(kDialog));
    auto* grid = new QGridLayout(this);
    auto* centre = idButton(this, kDialog, 1102);
    x_ = new QLineEdit(this);
    y_ = new QLineEdit(this);
    radius_ = new QLineEdit(this);
    for (QLineEdit* e : {x_, y_, radius_}) e->setValidator(new QIntValidator(0, 100000, e));
    kinds_ = new QListWidget(this);
    fillKindList(kinds_, kinds::circleInnerKinds(), ctx_.table);
    grid->addWidget(centre, 0, 0, 1, 2);
    grid->addWidget(idLabel(this, kDialog, 1100), 1, 0);
    grid->addWidget(x_, 1, 1);
    grid->addWidget(idLabel(this, kDialog, 1113), 2, 0);
    grid->addWidget(y_, 2, 1);
    grid->addWidget(idLabel(this, kDialog, 1115), 3, 0);
    grid->addWidget(radius_, 3, 1);
    grid->addWidget(idLabel(this, kDialog, 1101), 0, 2);
    grid->addWidget(kinds_, 1, 2, 4, 1);
    auto* buttons = new QDialogButtonBox(this);
    auto* ok = idButton(this, kDialog, 1);
    auto* cancel = idButton(this, kDialog, 2);
    buttons->addButton(ok, QDialogButtonBox::AcceptRole);
    buttons->addButton(cancel, QDialogButtonBox::RejectRole);
    grid->addWidget(buttons, 5, 0, 1, 3);
    ApplyDialogTexts(this, kDialog, ctx_.table);

    connect(centre, &QPushButton::clicked, this, [this] {
        if (ctx_.stepAside) ctx_.stepAside(PickKind::CircleCentre, SheetPage::Modes);
    });
    connect(ok, &QPushButton::clicked, this, [this] { commit(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void CircularAreaDialog::open(bool forEdit) {
    forEdit_ = forEdit;
    kinds_->clearSelection();
    if (forEdit) {
        const Mode& m = ctx_.state.current;
        x_->setText(QString::number(pixelsFromCell(m.circleX, ctx_.cellSize)));
        y_->setText(QString::number(pixelsFromCell(m.circleY, ctx_.cellSize)));
        radius_->setText(QString::number(m.circleRadius));
        const auto found = kinds_->findItems(fromUtf8(m.circleKind), Qt::MatchExactly);
        if (!found.isEmpty()) {
            kinds_->setCurrentItem(found.front());
            found.front()->setSelected(true);
        }
    }
    show();
    raise();
}

bool CircularAreaDialog::commit() {
    const auto selected = kinds_->selectedItems();
    if (selected.isEmpty()) {
        ctx_.message("CIRAREADLG_ONOK_PS");
        return false;
    }
    if (!forEdit_) ctx_.state.beginNew(kinds::kCircularArea, false);
    Mode& m = ctx_.state.current;
    m.circleX = cellFromPixels(x_->text().toInt(), ctx_.cellSize);
    m.circleY = cellFromPixels(y_->text().toInt(), ctx_.cellSize);
    m.circleRadius = radius_->text().toInt();
    m.circleKind = selected.back()->text().toStdString();
    hide();
    if (committed) committed();
    return true;
}

void CircularAreaDialog::centrePicked(int x, int y) {
    x_->setText(QString::number(x));
    y_->setText(QString::number(y));
}

}  // namespace vx
