#include "app/ui/commands/mode_edit_command.h"

#include "effects/ui/mode_sheet_dialog.h"
#include "effects/ui/sheet_hooks.h"
#include "engine/ui/effect_view.h"

namespace vx {
namespace {

bool picksLamps(PickKind k) {
    return k == PickKind::LampAdd || k == PickKind::LampInsert || k == PickKind::LampDelete ||
           k == PickKind::ExtraAdd || k == PickKind::ExtraDelete;
}

// The list the view draws blue while the sheet picks into it.
std::vector<std::uint32_t> pickedList(ModeSheetDialog& sheet) {
    const PickKind k = sheet.picking();
    if (k == PickKind::ExtraAdd || k == PickKind::ExtraDelete) return sheet.context().extra.lamps;
    if (picksLamps(k)) return sheet.context().lampBuffer;
    return {};
}

void join(ModeSheetDialog* sheet, EffectView* view) {
    QObject::connect(sheet, &ModeSheetDialog::pickRequested, view, [sheet, view](PickKind k) {
        view->setMarkedLamps(pickedList(*sheet));
        view->setPicking(true, k == PickKind::Area || k == PickKind::ExtraAdd);
        // The sheet has gone: the view's window takes the keyboard and keeps
        // its document's menus.
        view->activateWindow();
        view->setFocus();
    });
    QObject::connect(view, &EffectView::cellPicked, sheet, [sheet, view](int x, int y, int lamp) {
        const PickKind k = sheet->picking();
        if (k == PickKind::StartPoint || k == PickKind::CircleCentre) sheet->pointPicked(x, y);
        if (picksLamps(k) && lamp >= 0) sheet->lampPicked(static_cast<std::uint32_t>(lamp));
        view->setMarkedLamps(pickedList(*sheet));
    });
    QObject::connect(view, &EffectView::areaPicked, sheet,
                     [sheet](int l, int t, int r, int b) { sheet->areaPicked(l, t, r, b); });
    QObject::connect(view, &EffectView::pickingEnded, sheet, [sheet] { sheet->endPicking(); });
}

}  // namespace

ModeSheetDialog* modeSheetFor(EffectView& view, AppCommandContext& c) {
    auto* sheet = view.findChild<ModeSheetDialog*>(QString(), Qt::FindDirectChildrenOnly);
    if (sheet == nullptr) {
        const LanguageTable& table = c.languageTable();
        sheet = new ModeSheetDialog(view.document(), table, desktopSheetHooks(&view, table), &view);
        sheet->setColorDataFile(c.appState().baseFolder / "ColorData.sav");
        join(sheet, &view);
    }
    sheet->setCellSize(view.cellSize());
    return sheet;
}

bool ModeEditCommand::run(AppCommandContext& c) {
    EffectView* view = c.activeEffectView();
    ModeSheetDialog* sheet = modeSheetFor(*view, c);
    sheet->show();
    sheet->raise();
    return true;
}

}  // namespace vx
