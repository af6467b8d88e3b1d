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

#include "app/ui/app_icon.h"
#include "app/ui/command_ids.h"
#include "app/ui/main_window_context.h"

namespace vx {
namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

MainWindow::MainWindow(AppState state)
    : state_(std::move(state)),
      context_(std::make_unique<MainWindowContext>(*this)),
      recent_(state_.settingsFile) {
    registerCommands(commands_);
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
    askLiveOutput = [this](const LiveOutputChoice& current) {
        return vx::askLiveOutput(this, current, state_.language.table());
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
        const QString type =
            QInputDialog::getItem(this, QStringLiteral("Vexolume"), {}, types, 0, false, &ok);
        return ok ? type : QString();
    };
    openInShell = [](const QString& target) {
        const QUrl url =
            target.contains(QStringLiteral("://")) ? QUrl(target) : QUrl::fromLocalFile(target);
        return QDesktopServices::openUrl(url);
    };

    createActions();
    createToolBar();
    createToolsPanel();
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

void MainWindow::onSubWindowActivated() {
    applyMenuTexts();
    linkToolsPanel();
}

void MainWindow::updateTitleBar() {
    // The title bar names the active document and shows its "*". Qt lends
    // a maximised window's title to the frame, but passes the mark on only
    // while the window's buttons sit in the menu bar (rebuilt here for every
    // kind of window) and not at all for other windows, so it is set here.
    const DocumentWindow* active = activeDocumentWindow();
    const QString title = active == nullptr
                              ? QStringLiteral("Vexolume")
                              : QStringLiteral("Vexolume - [%1[*]]").arg(active->documentTitle());
    if (windowTitle() != title) setWindowTitle(title);
    setWindowModified(active != nullptr && active->document() && active->document()->isModified());
}

bool MainWindow::runCommand(int command) {
    CommandHandler<AppCommandContext>* handler = commands_.find(command);
    if (handler == nullptr || !handler->enabled(*context_)) return false;
    const bool done = handler->run(*context_);
    updateActions();
    return done;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Ask per document before anything closes, so Cancel leaves all open.
    std::vector<std::shared_ptr<LayoutDocument>> documents;
    for (DocumentWindow* w : documentWindows()) {
        if (w->document() &&
            std::find(documents.begin(), documents.end(), w->document()) == documents.end()) {
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
