#pragma once
// Marks the widgets of the layout dialogs with their control ids. The desktop
// program puts the texts of the current language on every marked widget when
// a dialog opens (ApplyDialogTexts reads the same "controlId" property), so a
// dialog built here only gives each caption its id and a fallback text.

#include <QString>
#include <QVariant>
#include <QWidget>

namespace vx {

template <class W>
W* withControlId(W* widget, int controlId) {
    widget->setProperty("controlId", controlId);
    return widget;
}

}  // namespace vx
