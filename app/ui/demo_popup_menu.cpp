#include "app/ui/demo_popup_menu.h"

#include <QAction>
#include <QMenu>

#include <string>

#include "app/language/language_table.h"
#include "app/ui/menu_tables.h"

namespace vx {

namespace {

// The demo commands' ids (the menu resource's), by what they do.
constexpr int kScale = 32855;
constexpr int kOpenBackImage = 32856;
constexpr int kStepBig = 32857;
constexpr int kStepSmall = 32858;
constexpr int kWiden = 32851;
constexpr int kMinish = 32852;
constexpr int kMove = 32853;
constexpr int kSaveParameters = 32859;
constexpr int kLoadParameters = 32860;
constexpr int kStart = 32861;
constexpr int kStop = 32895;
constexpr int kCircle = 32898;
constexpr int kRectangle = 32899;
constexpr int kControllerPreview = 32951;

}  // namespace

int programGroupCommand(int k) {
    if (k == 0) return 32909;
    if (k == 1) return 32903;
    if (k >= 2 && k <= 5) return 32905 + (k - 2);
    if (k >= 6 && k <= 31) return 32910 + (k - 6);
    return 0;
}

int programGroupOfCommand(int command) {
    for (int k = 0; k < 32; ++k) {
        if (programGroupCommand(k) == command) return k;
    }
    return -1;
}

QMenu* buildDemoPopupMenu(QWidget* parent, const LanguageTable& table, const DemoMenuState& state,
                          std::function<void(int)> run) {
    auto* menu = new QMenu(parent);
    const auto text = [&table](const char* key) {
        return QString::fromStdString(table.LookUpText(key));
    };
    const auto add = [&](QMenu* into, int id, const QString& caption, bool enabled = true) {
        QAction* action = into->addAction(caption);
        action->setData(id);
        action->setEnabled(enabled);
        QObject::connect(action, &QAction::triggered, into, [run, id] { run(id); });
        return action;
    };
    add(menu, kScale, text("ID_EDIT_SIZE"));
    QMenu* groups = menu->addMenu(text("ID_EDIT_PGROUP"));
    for (int k = 0; k < 32; ++k) {
        // The demo menu's own texts: some of these ids also stand for
        // commands of other windows.
        const int id = programGroupCommand(k);
        const std::string key(commandKey(id, MenuKind::Demo));
        QAction* action = add(groups, id, QString::fromStdString(table.LookUpText(key)));
        action->setCheckable(true);
        action->setChecked(k == state.programGroup);
    }
    menu->addSeparator();
    add(menu, kOpenBackImage, text("ID_EDITBACKIMAGE"), !state.started);
    const bool tools = state.pictureOpen;
    add(menu, kStepBig, text("ID_EDIT_WIDE"), tools);
    add(menu, kStepSmall, text("ID_EDIT_THIN"), tools);
    add(menu, kWiden, text("ID_ADDBMP"), tools);
    add(menu, kMinish, text("ID_REDUCEBMP"), tools);
    add(menu, kMove, text("ID_MOVEBMP"), tools);
    add(menu, kSaveParameters, text("ID_SAVE_CODE"), tools);
    add(menu, kLoadParameters, text("ID_OPEN_CODE"), tools);
    menu->addSeparator();
    QAction* rect = add(menu, kRectangle, text("ID_DEMO_RECT"));
    rect->setCheckable(true);
    rect->setChecked(!state.roundLamps);
    QAction* circle = add(menu, kCircle, text("ID_DEMO_Circle"));
    circle->setCheckable(true);
    circle->setChecked(state.roundLamps);
    menu->addSeparator();
    add(menu, kStart, text("ID_EDITDO"));
    add(menu, kStop, text("ID_DEMO_STOP"));
    menu->addSeparator();
    add(menu, kControllerPreview, text("ID_TWIN_PREVIEW"));
    return menu;
}

}  // namespace vx
