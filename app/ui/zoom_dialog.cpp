#include "app/ui/zoom_dialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

#include "platform/language/language_table.h"
#include "platform/ui/dialog_texts.h"

namespace vx {
namespace {

constexpr int kZoomDialog = 173;
constexpr int kScaleLabel = 1131;
constexpr int kRangeLabel = 1001;
constexpr int kOk = 1;
constexpr int kCancel = 2;

QLabel* captioned(int control) {
    auto* label = new QLabel(resourceCaptionText(kZoomDialog, control));
    setControlId(label, control);
    return label;
}

}  // namespace

std::optional<int> askCellSize(QWidget* parent, int current, const LanguageTable& table) {
    QDialog box(parent);
    box.setWindowTitle(resourceTitleText(kZoomDialog));
    auto* grid = new QGridLayout(&box);
    auto* value = new QSpinBox;
    value->setRange(1, 20);
    value->setSingleStep(1);
    value->setValue(current);
    grid->addWidget(captioned(kScaleLabel), 0, 0);
    grid->addWidget(value, 0, 1);
    grid->addWidget(captioned(kRangeLabel), 0, 2);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    for (auto [which, id] :
         {std::pair{QDialogButtonBox::Ok, kOk}, std::pair{QDialogButtonBox::Cancel, kCancel}}) {
        QPushButton* b = buttons->button(which);
        b->setText(resourceCaptionText(kZoomDialog, id));
        setControlId(b, id);
    }
    QObject::connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &box, &QDialog::reject);
    grid->addWidget(buttons, 1, 0, 1, 3);
    ApplyDialogTexts(&box, kZoomDialog, table);
    if (box.exec() != QDialog::Accepted) return std::nullopt;
    return value->value();
}

}  // namespace vx
