// The main window's actions, tool bar and menu bars, and their enable and
// check state.

#include <QAction>
#include <QActionGroup>
#include <QMdiArea>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>

#include <algorithm>

#include "app/ui/command_ids.h"
#include "app/ui/main_window.h"

namespace vx {
namespace {

// French, German and Italian have no text key; each is named in its own
// language whatever the language in use.
const char* languageCaption(Language language) {
    switch (language) {
        case Language::French: return "Fran\u00e7ais";
        case Language::German: return "Deutsch";
        case Language::Italy: return "Italiano";
        default: return "";
    }
}

}  // namespace

void MainWindow::createActions() {
    for (int command : menuCommands()) {
        auto* a = new QAction(this);
        a->setData(command);
        connect(a, &QAction::triggered, this, [this, command] { runCommand(command); });
        actions_[command] = a;
    }
    action(cmd::NewLayout)->setShortcut(QKeySequence::New);
    action(cmd::FileOpen)->setShortcut(QKeySequence::Open);
    action(cmd::FileSave)->setShortcut(QKeySequence::Save);
    action(cmd::EditUndo)->setShortcut(QKeySequence(QStringLiteral("Ctrl+Z")));
    action(cmd::EditRedo)
        ->setShortcuts(
            {QKeySequence(QStringLiteral("Ctrl+Shift+Z")), QKeySequence(QStringLiteral("Ctrl+Y"))});
    // Shortcuts work whichever menu bar is shown.
    for (int command :
         {cmd::NewLayout, cmd::FileOpen, cmd::FileSave, cmd::EditUndo, cmd::EditRedo}) {
        addAction(action(command));
    }
    for (auto& [command, a] : actions_) {
        const auto* handler = commands_.find(command);
        a->setCheckable(handler != nullptr && handler->checkable());
    }

    for (int i = 0; i < cmd::RecentFileCount; ++i) {
        auto* a = new QAction(this);
        a->setData(cmd::RecentFile1 + i);
        const auto index = static_cast<std::size_t>(i);
        connect(a, &QAction::triggered, this, [this, index] { openRecent(index); });
        recentActions_.push_back(a);
    }
    for (const LanguageInfo& info : languages()) {
        auto* a = new QAction(this);
        const int command = info.commandId;
        a->setData(command);
        a->setCheckable(true);
        connect(a, &QAction::triggered, this, [this, command] { runCommand(command); });
        languageActions_.push_back(a);
        actions_[info.commandId] = a;
    }
}

void MainWindow::createToolBar() {
    toolBar_ = addToolBar(QStringLiteral("tools"));
    toolBar_->setObjectName(QStringLiteral("mainToolBar"));
    toolBar_->setMovable(false);
    const std::array<std::pair<int, QStyle::StandardPixmap>, 6> buttons{{
        {cmd::NewLayout, QStyle::SP_FileIcon},
        {cmd::FileOpen, QStyle::SP_DialogOpenButton},
        {cmd::FileSave, QStyle::SP_DialogSaveButton},
        {cmd::EditUndo, QStyle::SP_ArrowBack},
        {cmd::EditRedo, QStyle::SP_ArrowForward},
        {cmd::TransferData, QStyle::SP_ArrowRight},
    }};
    for (const auto& [command, icon] : buttons) {
        QAction* a = action(command);
        a->setIcon(style()->standardIcon(icon));
        toolBar_->addAction(a);
    }
}

void MainWindow::buildMenu(QMenu* menu, std::span<const MenuEntry> entries) {
    for (const MenuEntry& e : entries) {
        switch (e.type) {
            case MenuEntry::Type::Separator: menu->addSeparator(); break;
            case MenuEntry::Type::Command: {
                QAction* a = action(e.command);
                a->setText(menuText(e.key));
                menu->addAction(a);
                break;
            }
            case MenuEntry::Type::Popup: {
                QMenu* sub = menu->addMenu(menuText(e.key));
                sub->menuAction()->setData(
                    QString::fromUtf8(e.key.data(), static_cast<qsizetype>(e.key.size())));
                buildMenu(sub, e.children);
                break;
            }
            case MenuEntry::Type::RecentFiles: {
                const auto& files = recent_.files();
                if (files.empty()) {
                    QAction* a = action(cmd::RecentFile1);
                    a->setText(menuText(e.key));
                    a->setEnabled(false);
                    menu->addAction(a);
                    break;
                }
                for (std::size_t i = 0; i < files.size(); ++i) {
                    QAction* a = recentActions_[i];
                    // The file name alone, unless another entry has it too.
                    const auto sameName = std::ranges::count_if(
                        files, [&](const auto& f) { return f.filename() == files[i].filename(); });
                    const auto shown = sameName > 1 ? files[i] : files[i].filename();
                    a->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(
                        QString::fromStdString(shown.string())));
                    a->setToolTip(QString::fromStdString(files[i].string()));
                    menu->addAction(a);
                }
                break;
            }
            case MenuEntry::Type::OpenWindows: {
                // Filled each time the menu opens, so titles and the active
                // window are as they are then.
                QAction* start = menu->addSeparator();
                connect(menu, &QMenu::aboutToShow, menu,
                        [this, menu, start] { listOpenWindows(menu, start); });
                listOpenWindows(menu, start);
                break;
            }
            case MenuEntry::Type::Languages:
                for (const LanguageInfo& info : languages()) {
                    QAction* a = languageActions_[languageIndex(info.language)];
                    a->setText(info.menuKey.empty()
                                   ? QString::fromUtf8(languageCaption(info.language))
                                   : menuText(info.menuKey));
                    menu->addAction(a);
                }
                break;
        }
    }
}

void MainWindow::listOpenWindows(QMenu* menu, QAction* start) {
    const QList<QAction*> all = menu->actions();
    for (qsizetype i = all.indexOf(start) + 1; i < all.size(); ++i) {
        menu->removeAction(all[i]);
        all[i]->deleteLater();
    }
    const DocumentWindow* active = activeDocumentWindow();
    int n = 0;
    for (DocumentWindow* w : documentWindows()) {
        QString title = w->windowTitle();
        title.replace(QStringLiteral("[*]"),
                      w->isWindowModified() ? QStringLiteral("*") : QString());
        auto* a = menu->addAction(++n < 10 ? QStringLiteral("&%1 %2").arg(n).arg(title) : title);
        a->setCheckable(true);
        a->setChecked(w == active);
        QPointer<DocumentWindow> target = w;
        connect(a, &QAction::triggered, this, [this, target] {
            if (target) mdi_->setActiveSubWindow(target);
        });
    }
    start->setVisible(n > 0);
}

void MainWindow::applyMenuTexts() {
    const DocumentWindow* active = activeDocumentWindow();
    menuKind_ = MenuKind::Main;
    if (active != nullptr) {
        switch (active->kind()) {
            case DocumentKind::Layout: menuKind_ = MenuKind::Layout; break;
            case DocumentKind::Demo: menuKind_ = MenuKind::Demo; break;
            case DocumentKind::Effect: menuKind_ = MenuKind::Effect; break;
        }
    }
    auto* bar = new QMenuBar(this);
    for (const MenuEntry& top : vx::menuBar(menuKind_)) {
        QMenu* menu = bar->addMenu(menuText(top.key));
        menu->menuAction()->setData(
            QString::fromUtf8(top.key.data(), static_cast<qsizetype>(top.key.size())));
        buildMenu(menu, top.children);
    }
    setMenuBar(bar);  // the old bar and its popups go; the actions stay
    for (auto* a : toolBar_->actions()) {
        const auto key = commandKey(a->data().toInt());
        a->setToolTip(menuText(key).section(QLatin1Char('\t'), 0, 0).remove(QLatin1Char('&')));
    }
    updateActions();
}

void MainWindow::updateActions() {
    for (auto& [command, a] : actions_) {
        const auto* handler = commands_.find(command);
        a->setEnabled(handler != nullptr && handler->enabled(*this));
        if (handler == nullptr) continue;
        if (handler->checkable()) a->setChecked(handler->checked(*this));
        const std::string_view detail = handler->detailKey(*this);
        if (!detail.empty() || detailed_.contains(command)) {
            a->setText(commandText(command, detail));
            if (detail.empty()) {
                detailed_.erase(command);
            } else {
                detailed_.insert(command);
            }
        }
    }
    updateTitleBar();
}

QString MainWindow::commandText(int command, std::string_view detailKey) const {
    const QString own = menuText(commandKey(command));
    if (detailKey.empty()) return own;
    // "&Undo\tCtrl+Z" and "&Insert Lamp" make "&Undo Insert Lamp\tCtrl+Z".
    const QString detail =
        menuText(detailKey).section(QLatin1Char('\t'), 0, 0).remove(QLatin1Char('&'));
    QString text = own.section(QLatin1Char('\t'), 0, 0) + QLatin1Char(' ') + detail;
    if (own.contains(QLatin1Char('\t'))) {
        text += QLatin1Char('\t') + own.section(QLatin1Char('\t'), 1);
    }
    return text;
}

}  // namespace vx
