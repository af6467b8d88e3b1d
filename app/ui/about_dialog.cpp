#include "app/ui/about_dialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/language/dialog_keys.h"
#include "app/language/language_table.h"

namespace vx {
namespace {

constexpr int kAboutDialog = 100;
constexpr int kAboutText = 1000;
constexpr int kOk = 1;

// The table's text for a control, else the caption the dialog was built with.
QString captionOf(const LanguageTable& table, int control) {
    const std::string fromTable = table.DialogControlText(kAboutDialog, control);
    if (!fromTable.empty()) return QString::fromStdString(fromTable);
    if (const DialogResource* res = findDialogResource(kAboutDialog)) {
        for (const DialogControl& c : res->controls) {
            if (c.control == control) return QString::fromUtf8(c.caption.data(), static_cast<qsizetype>(c.caption.size()));
        }
    }
    return {};
}

}  // namespace

void showAboutBox(QWidget* parent, const LanguageTable& table) {
    QDialog box(parent);
    const std::string title = table.DialogTitle(kAboutDialog);
    const DialogResource* res = findDialogResource(kAboutDialog);
    box.setWindowTitle(!title.empty() ? QString::fromStdString(title)
                       : res != nullptr ? QString::fromUtf8(res->title.data(), static_cast<qsizetype>(res->title.size()))
                                        : QString());
    auto* layout = new QVBoxLayout(&box);
    auto* name = new QLabel(captionOf(table, kAboutText) + QStringLiteral(" ") +
                            QStringLiteral(VEXOLUME_VERSION));
    layout->addWidget(name);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    buttons->button(QDialogButtonBox::Ok)->setText(captionOf(table, kOk));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);
    layout->addWidget(buttons);
    box.exec();
}

}  // namespace vx
