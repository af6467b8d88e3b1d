#include "engine/ui/sheet/sheet_hooks.h"

#include <QColorDialog>
#include <QDialog>
#include <QMessageBox>

#include <string>

namespace vx {
namespace {

// The colour page's kind checks carry the information icon and the
// product's name as caption; the other messages are plain boxes.
bool isKindCheck(std::string_view key) {
    return key == "PAGE2_ONBUTTON4_YAAT" || key == "PAGE2_ONBUTTON4_YSAT" ||
           key == "PAGE2_ONBUTTON4_TFCW" || key == "MODEGRPEDIT_ONBTNMOK_YSIA";
}

bool isFileFailure(std::string_view key) { return key.starts_with("MYFUNCTION_"); }

}  // namespace

SheetHooks desktopSheetHooks(QWidget* parent, const LanguageTable& table) {
    SheetHooks hooks;
    hooks.message = [parent, &table](std::string_view key) {
        const QString text = QString::fromStdString(table.LookUpText(key));
        if (isFileFailure(key)) {
            QMessageBox::warning(parent, QStringLiteral("Vexolume"), text);
        } else if (isKindCheck(key)) {
            QMessageBox::information(parent, QStringLiteral("Vexolume"), text);
        } else {
            QMessageBox::information(parent, QString(), text);
        }
    };
    hooks.confirm = [parent, &table](std::string_view key) {
        const QString text = QString::fromStdString(table.LookUpText(key));
        return QMessageBox::question(parent, QStringLiteral("Vexolume"), text) == QMessageBox::Yes;
    };
    hooks.pickColor = [parent]() -> std::optional<Rgb> {
        const QColor c = QColorDialog::getColor(Qt::white, parent);
        if (!c.isValid()) return std::nullopt;
        return Rgb{static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
                   static_cast<std::uint8_t>(c.blue())};
    };
    hooks.runDialog = [](QDialog& dialog) { return dialog.exec(); };
    return hooks;
}

}  // namespace vx
