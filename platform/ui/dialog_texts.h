#pragma once
// Puts the texts of the current language into a dialog when it opens.
//
// How a widget carries its control id: the dynamic int property "controlId",
// set once where the dialog is built, e.g. setControlId(addButton, 1336).
// The ids and the captions to build with are listed per dialog in
// platform/language/dialog_keys.h. For an edit field, list or combo box, give the
// id to its label or group box: that is the widget that shows the caption.
//
// Text per widget type: QAbstractButton and QLabel get setText, QGroupBox
// setTitle; any other widget with a writable "text" property gets that.

#include "platform/language/language_table.h"

class QString;
class QWidget;

namespace vx {

inline constexpr char kControlIdProperty[] = "controlId";

void setControlId(QWidget* widget, int controlId);

// Captions to build a dialog with (from platform/language/dialog_keys.h), so that
// a control keeps a sensible text when the table has none for it.
QString resourceTitleText(int dialogNumber);
QString resourceCaptionText(int dialogNumber, int controlId);

// 1. A non-empty "IDD<n>_Title" becomes the window title.
// 2. Every child widget with a control id, in creation order, gets a
//    non-empty "IDD<n>_<id>"; widgets without a text keep their caption.
// Texts are used as written: backslash-n stays as it is.
void ApplyDialogTexts(QWidget* dialog, int dialogNumber, const LanguageTable& table);

}  // namespace vx
