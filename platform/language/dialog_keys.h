#pragma once
// The dialogs whose texts come from the language tables, with the control ids
// that carry a text and the caption each shows when the table has none (the
// "resource" caption). Dialog texts use the keys "IDD<dialog>_Title" and
// "IDD<dialog>_<control>".
//
// A control id names the widget that shows the text: a button, check box,
// radio button, group box or static label. For an edit field, list or combo
// box the id goes on its label or surrounding box, because the field itself
// shows data, not a caption.

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vx {

struct DialogControl {
    int control;
    std::string_view caption;
};

struct DialogResource {
    int dialog;
    std::string_view title;
    std::span<const DialogControl> controls;
};

// All dialogs, in dialog-number order.
std::span<const DialogResource> dialogResources();
const DialogResource* findDialogResource(int dialog);

// The caption a dialog or control is built with; empty when not listed.
std::string_view resourceTitle(int dialog);
std::string_view resourceCaption(int dialog, int control);

std::string dialogTitleKey(int dialog);                 // "IDD176_Title"
std::string dialogControlKey(int dialog, int control);  // "IDD176_1100"

}  // namespace vx
