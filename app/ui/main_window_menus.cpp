// The main window's actions, tool bar and menu bars, and their enable and
// check state.

#include <QAction>
#include <QActionGroup>
#include <QMdiArea>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>

#include "app/ui/command_sets.h"
#include "app/ui/main_window.h"
#include "engine/ui/effect_view.h"
#include "layout/ui/layout_view.h"

namespace vx {
namespace {

using cmdset::kWorkingCommands;
using cmdset::kZoomCommands;


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
    action(cmd::NewLed)->setShortcut(QKeySequence::New);
    action(cmd::FileOpen)->setShortcut(QKeySequence::Open);
    action(cmd::FileSave)->setShortcut(QKeySequence::Save);
    action(cmd::EditUndo)->setShortcut(QKeySequence(QStringLiteral("Ctrl+Z")));
    action(cmd::EditRedo)->setShortcuts(
        {QKeySequence(QStringLiteral("Ctrl+Shift+Z")), QKeySequence(QStringLiteral("Ctrl+Y"))});
    // Shortcuts work whichever menu bar is shown.
    for (int command : {cmd::NewLed, cmd::FileOpen, cmd::FileSave, cmd::EditUndo, cmd::EditRedo}) {
        addAction(action(command));
    }
    for (int command : {cmd::EditGridding, cmd::EditInsert, cmd::EditDelete, cmd::ViewToolbar,
                        cmd::ViewStatusBar}) {
        action(command)->setCheckable(true);
    }
    auto* zoomGroup = new QActionGroup(this);
    for (const auto& z : kZoomCommands) {
        action(z.command)->setCheckable(true);
        zoomGroup->addAction(action(z.command));
    }
    action(cmd::ViewToolbar)->setChecked(true);
    action(cmd::ViewStatusBar)->setChecked(true);

    for (int i = 0; i < cmd::RecentFileCount; ++i) {
        auto* a = new QAction(this);
        a->setData(cmd::FileMru1 + i);
        const auto index = static_cast<std::size_t>(i);
        connect(a, &QAction::triggered, this, [this, index] { openRecent(index); });
        recentActions_.push_back(a);
    }
    for (const LanguageInfo& info : languages()) {
        auto* a = new QAction(this);
        a->setData(info.commandId);
        a->setCheckable(true);
        const Language language = info.language;
        connect(a, &QAction::triggered, this, [this, language] { switchLanguage(language); });
        languageActions_.push_back(a);
        actions_[info.commandId] = a;
    }
}

void MainWindow::createToolBar() {
    toolBar_ = addToolBar(QStringLiteral("tools"));
    toolBar_->setObjectName(QStringLiteral("mainToolBar"));
    toolBar_->setMovable(false);
    const std::array<std::pair<int, QStyle::StandardPixmap>, 6> buttons{{
        {cmd::NewLed, QStyle::SP_FileIcon},
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
                sub->menuAction()->setData(QString::fromUtf8(e.key.data(), static_cast<qsizetype>(e.key.size())));
                buildMenu(sub, e.children);
                break;
            }
            case MenuEntry::Type::RecentFiles: {
                const auto& files = recent_.files();
                if (files.empty()) {
                    QAction* a = action(cmd::FileMru1);
                    a->setText(menuText(e.key));
                    a->setEnabled(false);
                    menu->addAction(a);
                    break;
                }
                for (std::size_t i = 0; i < files.size(); ++i) {
                    QAction* a = recentActions_[i];
                    a->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(
                        QString::fromStdString(files[i].filename().string())));
                    a->setToolTip(QString::fromStdString(files[i].string()));
                    menu->addAction(a);
                }
                break;
            }
            case MenuEntry::Type::Languages:
                for (const LanguageInfo& info : languages()) {
                    QAction* a = languageActions_[languageIndex(info.language)];
                    a->setText(info.menuKey.empty() ? QString::fromUtf8(languageCaption(info.language))
                                                    : menuText(info.menuKey));
                    menu->addAction(a);
                }
                break;
        }
    }
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
        menu->menuAction()->setData(QString::fromUtf8(top.key.data(), static_cast<qsizetype>(top.key.size())));
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
    DocumentWindow* active = activeDocumentWindow();
    const bool hasLayout = active != nullptr && active->document() != nullptr;
    for (auto& [command, a] : actions_) {
        const bool working = std::find(kWorkingCommands.begin(), kWorkingCommands.end(), command) !=
                             kWorkingCommands.end();
        a->setEnabled(working);
    }
    for (int command : {cmd::FileSave, cmd::FileSaveAs, cmd::CportOut, cmd::TransferData}) {
        action(command)->setEnabled(hasLayout);
    }
    action(cmd::FileClose)->setEnabled(active != nullptr);
    action(cmd::WindowNew)->setEnabled(active != nullptr);
    action(cmd::EditUndo)->setEnabled(hasLayout && active->document()->history().canUndo());
    action(cmd::EditRedo)->setEnabled(hasLayout && active->document()->history().canRedo());
    LayoutView* view = active != nullptr ? active->layoutView() : nullptr;
    for (int command : {cmd::EditInsert, cmd::EditDelete, cmd::EditGridding}) {
        action(command)->setEnabled(view != nullptr);
    }
    for (const auto& z : kZoomCommands) {
        action(z.command)->setEnabled(view != nullptr);
        action(z.command)->setChecked(view != nullptr && view->zoom() == z.zoom);
    }
    if (view != nullptr) {
        action(cmd::EditGridding)->setChecked(view->gridShown());
        action(cmd::EditInsert)->setChecked(view->insertMode());
        action(cmd::EditDelete)->setChecked(view->deleteMode());
    }
    action(cmd::Largen3)->setEnabled(active != nullptr && active->effectView() != nullptr);
    action(cmd::FileMru1)->setEnabled(false);
    for (const LanguageInfo& info : languages()) {
        QAction* a = languageActions_[languageIndex(info.language)];
        a->setEnabled(state_.language.isEnabled(info.language));
        a->setChecked(state_.language.isChecked(info.language));
    }
}


}  // namespace vx
