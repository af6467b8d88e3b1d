#include "app/ui/main_window.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFileDialog>
#include <QInputDialog>
#include <QMdiArea>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QUrl>

#include "app/ui/about_dialog.h"
#include "app/ui/app_icon.h"
#include "app/ui/command_ids.h"
#include "app/ui/zoom_dialog.h"
#include "engine/ui/effect_view.h"
#include "layout/ui/layout_view.h"

namespace vx {
namespace {

// The maker's web site, opened by Help > Web Site.
constexpr auto kWebSite = "https://github.com/vexolume/vexolume";

struct ZoomCommand {
    int command;
    int zoom;
};
constexpr std::array<ZoomCommand, 7> kZoomCommands{{{cmd::Zoom4, 4},
                                                    {cmd::Zoom8, 8},
                                                    {cmd::Zoom12, 12},
                                                    {cmd::Zoom16, 16},
                                                    {cmd::Zoom20, 20},
                                                    {cmd::Zoom24, 24},
                                                    {cmd::Zoom28, 28}}};

// Commands that this program carries out so far; the others stay disabled.
constexpr std::array kWorkingCommands{
    cmd::FileNew,     cmd::NewLed,       cmd::NewDemo,       cmd::FileOpen,       cmd::FileClose,      cmd::FileSave,
    cmd::FileSaveAs,  cmd::AppExit,      cmd::AppAbout,       cmd::EditUndo,       cmd::EditRedo,
    cmd::Zoom4,       cmd::Zoom8,        cmd::Zoom12,         cmd::Zoom16,         cmd::Zoom20,
    cmd::Zoom24,      cmd::Zoom28,       cmd::EditInsert,     cmd::EditDelete,     cmd::CportOut,
    cmd::EditGridding, cmd::TransferData, cmd::Largen3,       cmd::HelpAboutVc,    cmd::HelpWhatsNew,
    cmd::HelpWebsite, cmd::ViewToolbar,  cmd::ViewStatusBar,  cmd::WindowNew,      cmd::WindowArrange,
    cmd::WindowCascade, cmd::WindowTileHorz};

QString qs(const std::string& s) { return QString::fromStdString(s); }

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

MainWindow::MainWindow(AppState state)
    : state_(std::move(state)), recent_(state_.settingsFile) {
    mdi_ = new QMdiArea(this);
    mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdi_);
    setAcceptDrops(true);
    setWindowTitle(QStringLiteral("Vexolume"));
    QApplication::setWindowIcon(appIcon());
    statusBar();

    askOpenName = [this](const QString& filter) {
        return QFileDialog::getOpenFileName(this, {}, {}, filter);
    };
    askSaveName = [this](const QString& filter) {
        return QFileDialog::getSaveFileName(this, {}, {}, filter);
    };
    askSaveChanges = [this](const QString& question) {
        return QMessageBox::question(this, QStringLiteral("Vexolume"), question,
                                     QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    };
    showMessage = [this](const QString& message) {
        QMessageBox::warning(this, QStringLiteral("Vexolume"), message);
    };
    askDocumentType = [this](const QStringList& types) {
        bool ok = false;
        const QString type = QInputDialog::getItem(this, QStringLiteral("Vexolume"), {}, types, 0,
                                                   false, &ok);
        return ok ? type : QString();
    };
    openInShell = [](const QString& target) {
        const QUrl url = target.contains(QStringLiteral("://")) ? QUrl(target)
                                                               : QUrl::fromLocalFile(target);
        return QDesktopServices::openUrl(url);
    };

    createActions();
    createToolBar();
    connect(mdi_, &QMdiArea::subWindowActivated, this, [this] { onSubWindowActivated(); });
    applyMenuTexts();
}

MainWindow::~MainWindow() {
    // Closing the children below must not rebuild menus of a window in
    // destruction.
    mdi_->disconnect(this);
    for (DocumentWindow* w : documentWindows()) w->disconnect(this);
}

QString MainWindow::text(std::string_view key) const { return qs(state_.language.LookUpText(key)); }

QString MainWindow::menuText(std::string_view key) const {
    // Menu values write the shortcut after a backslash-t; Qt shows what
    // follows a tab as the shortcut column.
    return text(key).replace(QStringLiteral("\\t"), QStringLiteral("\t"));
}

QAction* MainWindow::action(int command) const {
    const auto it = actions_.find(command);
    return it == actions_.end() ? nullptr : it->second;
}

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

DocumentWindow* MainWindow::activeDocumentWindow() const {
    auto* d = qobject_cast<DocumentWindow*>(mdi_->activeSubWindow());
    return d != nullptr && !d->isClosed() ? d : nullptr;
}

QList<DocumentWindow*> MainWindow::documentWindows() const {
    QList<DocumentWindow*> out;
    for (QMdiSubWindow* w : mdi_->subWindowList()) {
        auto* d = qobject_cast<DocumentWindow*>(w);
        if (d != nullptr && !d->isClosed()) out.push_back(d);
    }
    return out;
}

void MainWindow::onSubWindowActivated() { applyMenuTexts(); }

bool MainWindow::runCommand(int command) {
    QAction* a = action(command);
    if (a != nullptr) updateActions();
    if (a != nullptr && !a->isEnabled()) return false;
    DocumentWindow* active = activeDocumentWindow();
    LayoutView* view = active != nullptr ? active->layoutView() : nullptr;
    for (const auto& z : kZoomCommands) {
        if (z.command == command && view != nullptr) {
            view->setZoom(z.zoom);
            updateActions();
            return true;
        }
    }
    if (auto language = languageForCommand(command)) return switchLanguage(*language);

    switch (command) {
        case cmd::FileNew: {
            // The framework's New: the registered types by name.
            const QString type = askDocumentType({QStringLiteral("Edit"), QStringLiteral("Text")});
            if (type == QStringLiteral("Edit")) return newLayout() != nullptr;
            if (type == QStringLiteral("Text")) return newDemo() != nullptr;
            return false;
        }
        case cmd::NewLed: return newLayout() != nullptr;
        case cmd::NewDemo: return newDemo() != nullptr;
        case cmd::FileOpen: {
            const QString name = askOpenName(QStringLiteral(
                "Led Files (*.led *.LED);;Lam Files (*.lam *.LAM);;All Files (*)"));
            if (name.isEmpty()) return false;
            return openFile(name.toStdString()) != nullptr;
        }
        case cmd::FileClose:
            if (active == nullptr) return false;
            if (active->document()) return closeDocument(active->document());
            active->close();
            return true;
        case cmd::FileSave:
        case cmd::FileSaveAs:
            return active != nullptr && active->document() &&
                   saveDocument(*active->document(),
                                command == cmd::FileSaveAs || !active->document()->hasPath());
        case cmd::CportOut:
            if (active == nullptr || !active->document()) return false;
            writePortTableFor(*active->document());
            return true;
        case cmd::EditUndo:
        case cmd::EditRedo: {
            if (active == nullptr || !active->document()) return false;
            const bool done = command == cmd::EditUndo ? active->document()->undo()
                                                       : active->document()->redo();
            updateActions();
            return done;
        }
        case cmd::EditInsert:
            if (view == nullptr) return false;
            view->setInsertMode();
            updateActions();
            return true;
        case cmd::EditDelete:
            if (view == nullptr) return false;
            view->setDeleteMode();
            updateActions();
            return true;
        case cmd::EditGridding:
            if (view == nullptr) return false;
            view->setGridShown(!view->gridShown());
            updateActions();
            return true;
        case cmd::TransferData: return transferData();
        case cmd::Largen3: chooseEffectCellSize(); return true;
        case cmd::AppAbout: showAboutBox(this, state_.language.table()); return true;
        case cmd::AppExit: close(); return true;
        case cmd::HelpAboutVc:
        case cmd::HelpWhatsNew:
        case cmd::HelpFile:
        case cmd::HelpWebsite: openHelp(command); return true;
        case cmd::ViewToolbar:
            toolBar_->setVisible(!toolBar_->isVisible());
            action(command)->setChecked(toolBar_->isVisible());
            return true;
        case cmd::ViewStatusBar:
            statusBar()->setVisible(!statusBar()->isVisible());
            action(command)->setChecked(statusBar()->isVisible());
            return true;
        case cmd::WindowNew: newWindowOfActive(); return true;
        case cmd::WindowArrange: mdi_->tileSubWindows(); return true;
        case cmd::WindowCascade: mdi_->cascadeSubWindows(); return true;
        case cmd::WindowTileHorz: mdi_->tileSubWindows(); return true;
        default: return false;
    }
}

void MainWindow::openHelp(int command) {
    QString target;
    std::string_view failureKey;
    const auto inBase = [this](std::string_view key) {
        return QString::fromStdString((state_.baseFolder / state_.language.LookUpText(key)).string());
    };
    switch (command) {
        case cmd::HelpAboutVc:
            target = inBase("HELP_PATH");
            failureKey = "MAINFRM_ONHELPABOUTVC_OHFF";
            break;
        case cmd::HelpWhatsNew:
            target = inBase("WHATNEW_PATH");
            failureKey = "MAINFRM_ONWHATSNEW_OWNFF";
            break;
        case cmd::HelpFile:
            target = QString::fromStdString((state_.baseFolder / "LEDHELP.MHT").string());
            failureKey = "MAINFRM_ONHELPABOUT_OHFF";
            break;
        default:
            target = QString::fromUtf8(kWebSite);
            failureKey = "MAINFRM_ONHELPWEBSITE_OWSF";
            break;
    }
    if (!openInShell(target)) showMessage(text(failureKey));
}

void MainWindow::chooseEffectCellSize() {
    DocumentWindow* active = activeDocumentWindow();
    EffectView* view = active != nullptr ? active->effectView() : nullptr;
    if (view == nullptr) return;
    const auto value = askCellSize(this, view->cellSize(), state_.language.table());
    if (value && !view->setCellSize(*value)) showMessage(text("MODETESTVIEW_ONLARGEN3_PIAN"));
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Ask per document before anything closes, so Cancel leaves all open.
    std::vector<std::shared_ptr<LayoutDocument>> documents;
    for (DocumentWindow* w : documentWindows()) {
        if (w->document() && std::find(documents.begin(), documents.end(), w->document()) ==
                                 documents.end()) {
            documents.push_back(w->document());
        }
    }
    for (const auto& d : documents) {
        if (!settleDocument(d)) {
            event->ignore();
            return;
        }
    }
    for (DocumentWindow* w : documentWindows()) w->closeWithoutAsking();
    event->accept();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile()) openFile(url.toLocalFile().toStdString());
    }
}

}  // namespace vx
