#include "app/ui/demo_popup_menu.h"

#include <QAction>
#include <QMenu>

#include "app/ui/menu_tables.h"
#include "platform/language/language_table.h"

namespace vx {
namespace {

struct PopupBuilder {
    const AppCommandRegistry& commands;
    const AppCommandContext& context;
    std::function<void(int)> run;

    void fill(QMenu* menu, std::span<const MenuEntry> entries) const {
        for (const MenuEntry& e : entries) {
            switch (e.type) {
                case MenuEntry::Type::Separator: menu->addSeparator(); break;
                case MenuEntry::Type::Popup:
                    fill(menu->addMenu(context.text(e.key)), e.children);
                    break;
                case MenuEntry::Type::Command: add(menu, e); break;
                case MenuEntry::Type::RecentFiles:
                case MenuEntry::Type::Languages:
                case MenuEntry::Type::OpenWindows: break;
            }
        }
    }

    void add(QMenu* menu, const MenuEntry& e) const {
        QAction* action = menu->addAction(context.text(e.key));
        const int id = e.command;
        action->setData(id);
        const CommandHandler<AppCommandContext>* handler = commands.find(id);
        action->setEnabled(handler != nullptr && handler->enabled(context));
        if (handler != nullptr && handler->checkable()) {
            action->setCheckable(true);
            action->setChecked(handler->checked(context));
        }
        QObject::connect(action, &QAction::triggered, menu, [run = run, id] { run(id); });
    }
};

}  // namespace

QMenu* buildDemoPopupMenu(QWidget* parent, const AppCommandRegistry& commands,
                          const AppCommandContext& context, std::function<void(int)> run) {
    auto* menu = new QMenu(parent);
    PopupBuilder{commands, context, std::move(run)}.fill(menu, demoPopupMenu());
    return menu;
}

}  // namespace vx
