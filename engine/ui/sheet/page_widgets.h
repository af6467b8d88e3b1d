#pragma once
// Small builders the sheet's pages share: widgets carrying their dialog
// control id and resource caption, so ApplyDialogTexts can put the current
// language's texts in.

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include <initializer_list>
#include <string_view>
#include <utility>

#include "platform/language/language_table.h"
#include "platform/ui/dialog_texts.h"

namespace vx {

inline QPushButton* idButton(QWidget* parent, int dialog, int control) {
    auto* b = new QPushButton(resourceCaptionText(dialog, control), parent);
    setControlId(b, control);
    return b;
}

inline QLabel* idLabel(QWidget* parent, int dialog, int control) {
    auto* l = new QLabel(resourceCaptionText(dialog, control), parent);
    setControlId(l, control);
    return l;
}

inline QGroupBox* idBox(QWidget* parent, int dialog, int control) {
    auto* g = new QGroupBox(resourceCaptionText(dialog, control), parent);
    setControlId(g, control);
    return g;
}

// The row a user acts on: the current row when it is selected, else the
// last selected row; -1 when nothing is selected.
inline int lastSelectedRow(const QListWidget* list) {
    const int current = list->currentRow();
    if (current >= 0 && list->item(current)->isSelected()) return current;
    int last = -1;
    for (int i = 0; i < list->count(); ++i) {
        if (list->item(i)->isSelected()) last = i;
    }
    return last;
}

// Tooltips from the language table, one key per widget; a missing widget
// is skipped.
inline void setTooltips(const LanguageTable& table,
                        std::initializer_list<std::pair<QWidget*, const char*>> tips) {
    for (const auto& [w, key] : tips) {
        if (w != nullptr) w->setToolTip(QString::fromStdString(table.LookUpText(key)));
    }
}

// The child of `page` that carries dialog control `id`; null when none does.
inline QWidget* controlWidget(QWidget* page, int id) {
    for (QWidget* w : page->findChildren<QWidget*>()) {
        if (w->property(kControlIdProperty).toInt() == id) return w;
    }
    return nullptr;
}

inline QString fromUtf8(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

}  // namespace vx
