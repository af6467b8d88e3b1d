#include "app/ui/commands/mode_edit_command.h"

#include <QScreen>

#include <algorithm>

#include "engine/ui/effect_view.h"
#include "engine/ui/sheet/mode_sheet_dialog.h"
#include "engine/ui/sheet/sheet_hooks.h"

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

// The first time, the sheet goes beside the view: right of it where the
// screen has room, else over the view's right part, level with its top.
void placeBeside(ModeSheetDialog* sheet, const EffectView& view) {
    sheet->adjustSize();
    const QRect shown(view.mapToGlobal(QPoint(0, 0)), view.size());
    const QScreen* screen = view.screen();
    const QRect room = screen != nullptr ? screen->availableGeometry() : shown;
    int x = shown.right() + 1;
    if (x + sheet->width() > room.right() + 1) x = room.right() + 1 - sheet->width();
    sheet->move(std::max(x, room.left()), std::max(shown.top(), room.top()));
}

}  // namespace

ModeSheetDialog* modeSheetFor(EffectView& view, AppCommandContext& c) {
    auto* sheet = view.findChild<ModeSheetDialog*>(QString(), Qt::FindDirectChildrenOnly);
    if (sheet == nullptr) {
        const LanguageTable& table = c.languageTable();
        sheet = new ModeSheetDialog(view.document(), table, desktopSheetHooks(&view, table), &view);
        sheet->setColorDataFile(c.appState().baseFolder / "ColorData.sav");
        join(sheet, &view);
        placeBeside(sheet, view);
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
