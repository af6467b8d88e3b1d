#include "app/ui/main_window.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QUrl>

#include "app/ui/app_icon.h"
#include "app/ui/command_ids.h"

namespace vx {
namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

MainWindow::MainWindow(AppState state, std::shared_ptr<DesktopDialogs> dialogs)
    : state_(std::move(state)),
      dialogs_(dialogs ? std::move(dialogs) : std::make_shared<DesktopDialogs>()),
      recent_(state_.settingsFile) {
    dialogs_->attach(this, state_.language);
    registerCommands(commands_);
    mdi_ = new QMdiArea(this);
    mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdi_);
    setAcceptDrops(true);
    setWindowTitle(QStringLiteral("Vexolume"));
    QApplication::setWindowIcon(appIcon());
    statusBar();

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
    showLiveTarget();
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
    if (handler == nullptr || !handler->enabled(*this)) return false;
    const bool done = handler->run(*this);
    updateActions();
    return done;
}

void MainWindow::showStatus(const QString& message) { statusBar()->showMessage(message); }

void MainWindow::arrangeWindows(WindowArrangement arrangement) {
    if (arrangement == WindowArrangement::Cascade) {
        mdi_->cascadeSubWindows();
    } else {
        mdi_->tileSubWindows();
    }
}

bool MainWindow::barShown(FrameBar bar) const {
    // Hidden by the user, not merely unshown with a hidden frame.
    const QWidget* w = bar == FrameBar::Tools ? static_cast<QWidget*>(toolBar_)
                                              : static_cast<QWidget*>(statusBar());
    return !w->isHidden();
}

void MainWindow::setBarShown(FrameBar bar, bool shown) {
    QWidget* w = bar == FrameBar::Tools ? static_cast<QWidget*>(toolBar_)
                                        : static_cast<QWidget*>(statusBar());
    w->setVisible(shown);
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
