#pragma once
// What the five pages of the mode editing sheet share: the document they
// edit, the language table, the editing state of the current mode, the
// document's editing buffers, and the hooks through which a page asks the
// user something (message boxes, the colour picker, modal dialogs), so
// tests can answer them.

#include <QString>

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "effects/color_gradient.h"
#include "effects/mode_sheet.h"
#include "layout/layout_document.h"
#include "platform/language/language_table.h"

class QDialog;

namespace vx {

enum class SheetPage { Modes = 0, ColorList = 1, GroupList = 2, Parameter = 3, Programs = 4 };

// What the user picks on the effect view while the sheet steps aside.
enum class PickKind {
    None,
    StartPoint,    // one cell: startX, startY
    Area,          // a dragged rectangle of cells
    CircleCentre,  // the circular-area dialog's centre
    ExtraAdd,      // supplementary lamps
    ExtraDelete,
    LampAdd,  // the lamp groups page's lamp list
    LampInsert,
    LampDelete,
};

struct SheetHooks {
    std::function<void(std::string_view key)> message;
    std::function<bool(std::string_view key)> confirm;
    std::function<std::optional<Rgb>()> pickColor;
    std::function<int(QDialog&)> runDialog;  // exec() the dialog
};

struct SheetContext {
    SheetContext(LayoutDocument& doc, const LanguageTable& languageTable)
        : document(doc), table(languageTable) {}

    LayoutDocument& document;
    const LanguageTable& table;
    ModeSheetState state;
    int cellSize = 1;  // the effect view's pixels per cell
    std::filesystem::path colorDataFile;

    // The document's editing buffers (not saved with the layout).
    SupplementaryBuffer extra;
    bool extraLoaded = false;  // loaded from the current mode since it was prepared
    UintList lampBuffer;       // the Cluster being assembled
    UintList groupBuffer;      // the ClusterGroup being assembled
    std::size_t insertAt = 0;  // where LampInsert puts the next lamp
    bool colorsArmed = false;  // "Sho&w Color" works once after "&Edit"
    bool parameterPrepared = false;

    SheetHooks hooks;
    std::function<void(SheetPage)> goToPage;
    std::function<void(PickKind, SheetPage)> stepAside;
    // The "Mode List" entries selected on page 0 (where "&Insert" puts copies).
    std::function<std::vector<std::size_t>()> selectedModes;
    // After "&OK" committed a mode.
    std::function<void()> committed;

    QString text(std::string_view key) const {
        return QString::fromStdString(table.LookUpText(key));
    }
    void message(std::string_view key) const {
        if (hooks.message) hooks.message(key);
    }
    bool confirm(std::string_view key) const { return hooks.confirm && hooks.confirm(key); }
};

}  // namespace vx
