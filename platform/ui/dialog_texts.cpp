#include "platform/ui/dialog_texts.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QString>
#include <QVariant>
#include <QWidget>

#include "platform/language/dialog_keys.h"

namespace vx {
namespace {

QString fromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void setCaption(QWidget* widget, const QString& text) {
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->setText(text);
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(text);
    } else if (auto* box = qobject_cast<QGroupBox*>(widget)) {
        box->setTitle(text);
    } else {
        widget->setProperty("text", text);
    }
}

}  // namespace

void setControlId(QWidget* widget, int controlId) {
    widget->setProperty(kControlIdProperty, controlId);
}

QString resourceTitleText(int dialogNumber) { return fromView(resourceTitle(dialogNumber)); }

QString resourceCaptionText(int dialogNumber, int controlId) {
    return fromView(resourceCaption(dialogNumber, controlId));
}

void ApplyDialogTexts(QWidget* dialog, int dialogNumber, const LanguageTable& table) {
    const std::string title = table.DialogTitle(dialogNumber);
    if (!title.empty()) dialog->setWindowTitle(QString::fromStdString(title));
    const auto children = dialog->findChildren<QWidget*>();
    for (QWidget* child : children) {
        bool isId = false;
        const int id = child->property(kControlIdProperty).toInt(&isId);
        if (!isId) continue;
        const std::string text = table.DialogControlText(dialogNumber, id);
        if (!text.empty()) setCaption(child, QString::fromStdString(text));
    }
}

}  // namespace vx
