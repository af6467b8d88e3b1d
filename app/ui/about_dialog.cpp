#include "app/ui/about_dialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/ui/app_icon.h"
#include "platform/language/language_table.h"
#include "platform/ui/dialog_texts.h"

namespace vx {
namespace {

constexpr int kAboutDialog = 100;
constexpr int kNameLabel = 1000;
constexpr int kOk = 1;

}  // namespace

void showAboutBox(QWidget* parent, const LanguageTable& table) {
    QDialog box(parent);
    box.setWindowTitle(resourceTitleText(kAboutDialog));
    auto* layout = new QHBoxLayout(&box);
    auto* icon = new QLabel;
    icon->setPixmap(appIcon().pixmap(64, 64));
    layout->addWidget(icon);

    auto* column = new QVBoxLayout;
    auto* name = new QLabel(resourceCaptionText(kAboutDialog, kNameLabel));
    setControlId(name, kNameLabel);
    column->addWidget(name);
    column->addWidget(new QLabel(QStringLiteral(VEXOLUME_VERSION)));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    ok->setText(resourceCaptionText(kAboutDialog, kOk));
    setControlId(ok, kOk);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);
    column->addWidget(buttons);
    layout->addLayout(column);

    ApplyDialogTexts(&box, kAboutDialog, table);
    box.exec();
}

}  // namespace vx
