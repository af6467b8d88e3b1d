#pragma once
// What the wizard's pages share to build their controls: push buttons found
// again by control id, and captions that carry theirs.

#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include "layout/ui/dialog_controls.h"

namespace vx::wizard_ui {

inline QPushButton* pushButton(const char* caption, int id) {
    auto* b = withControlId(new QPushButton(QString::fromUtf8(caption)), id);
    b->setObjectName(QStringLiteral("button%1").arg(id));
    // Enter in a count field ends the edit; it must not press Add.
    b->setAutoDefault(false);
    return b;
}

inline QLabel* caption(const char* text, int id) {
    return withControlId(new QLabel(QString::fromUtf8(text)), id);
}

inline QPushButton* findButton(const QWidget* page, int control) {
    return page->findChild<QPushButton*>(QStringLiteral("button%1").arg(control));
}

}  // namespace vx::wizard_ui
