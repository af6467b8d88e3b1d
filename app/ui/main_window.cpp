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
#include "app/ui/command_sets.h"
#include "app/ui/zoom_dialog.h"
#include "engine/ui/effect_view.h"
#include "layout/ui/layout_view.h"

namespace vx {
namespace {

// The maker's web site, opened by Help > Web Site.
constexpr auto kWebSite = "https://github.com/vexolume/vexolume";

QString qs(const std::string& s) { return QString::fromStdString(s); }

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
    for (const auto& z : cmdset::kZoomCommands) {
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
