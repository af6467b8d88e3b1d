// Documents of the main window: new, open, save, close, the effect windows,
// the language switch and the windows over one document.

#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMessageBox>
#include <QStatusBar>
#include <QToolBar>

#include <filesystem>
#include <utility>

#include "app/ui/command_ids.h"
#include "app/ui/demo_popup_menu.h"
#include "app/ui/main_window.h"
#include "engine/ui/demo_view.h"
#include "engine/ui/effect_view.h"
#include "layout/port_table.h"
#include "layout/ui/layout_view.h"
#include "output/ui/live_feed.h"

namespace vx {
namespace {

QString fileTitle(const std::filesystem::path& path) {
    return QString::fromStdString(path.filename().string());
}

}  // namespace

DocumentWindow* MainWindow::addWindow(DocumentKind kind, std::shared_ptr<LayoutDocument> document,
                                      const QString& title) {
    return showWindow(new DocumentWindow(kind, std::move(document), title));
}

DocumentWindow* MainWindow::openDemoWindow(std::shared_ptr<DemoDocument> demo) {
    auto* window = new DocumentWindow(std::move(demo), QStringLiteral("Text%1").arg(++demoCount_));
    DemoView* view = window->demoView();
    connect(view, &DemoView::contextMenuWanted, this, [this](const QPoint& at) {
        // A program group chosen here is played on the next mouse movement
        // over a demo view; the other entries act at once.
        QMenu* menu = buildDemoPopupMenu(this, commands_, *this, [this](int id) {
            const int group = programGroupOfCommand(id);
            if (group >= 0) {
                requestProgramGroup(group);
            } else {
                runCommand(id);
            }
        });
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(at);
    });
    view->takeProgramGroupRequest = [this] {
        const auto group = std::exchange(pendingProgramGroup_, {});
        // The menus follow once the group has been chosen.
        if (group)
            QMetaObject::invokeMethod(
                this, [this] { updateActions(); }, Qt::QueuedConnection);
        return group;
    };
    connect(view, &DemoView::statusTexts, this, [this](const QString& pane1, const QString& pane2) {
        statusBar()->showMessage(pane2.isEmpty() ? pane1 : pane1 + QStringLiteral("  ") + pane2);
    });
    view->setTexts(demoTexts());
    connect(this, &MainWindow::languageSwitched, view,
            [this, view] { view->setTexts(demoTexts()); });
    connect(window, &DocumentWindow::liveFeedChanged, this, [this] { showLiveTarget(); });
    // The main tool bar is idle while a demo window is open.
    toolBar_->setEnabled(false);
    connect(window, &QObject::destroyed, this, [this] {
        bool demoLeft = false;
        for (DocumentWindow* w : documentWindows())
            demoLeft = demoLeft || w->kind() == DocumentKind::Demo;
        toolBar_->setEnabled(!demoLeft);
    });
    return showWindow(window);
}

DemoView::Texts MainWindow::demoTexts() const {
    return {text("DEMO_ADJUST_HINT"), text("DEMO_MODE_STATUS"), text("DEMO_PLAY_ENDED")};
}

void MainWindow::showLiveTarget() {
    if (liveLabel_ == nullptr) {
        liveLabel_ = new QLabel(this);
        liveLabel_->setObjectName(QStringLiteral("liveTarget"));
        statusBar()->addPermanentWidget(liveLabel_);
    }
    const DocumentWindow* active = activeDocumentWindow();
    const LiveFeed* feed = active != nullptr ? active->liveFeed() : nullptr;
    liveLabel_->setVisible(feed != nullptr);
    if (feed == nullptr) return;
    QString shown = text("LIVE_OUTPUT_ON").replace(QStringLiteral("%1"), feed->describe());
    if (feed->isFallback()) shown += QStringLiteral(" \u2014 ") + text("LIVE_OLA_FALLBACK");
    liveLabel_->setText(shown);
}

DocumentWindow* MainWindow::showWindow(DocumentWindow* window) {
    window->mayClose = [this](DocumentWindow& w) { return mayClose(w); };
    mdi_->addSubWindow(window);
    if (auto* view = window->layoutView()) {
        connect(view, &LayoutView::userMessage, this,
                [this](const QString& key) { showMessageKey(key.toStdString()); });
        connect(view, &LayoutView::zoomChanged, this, [this] { updateActions(); });
        connect(view, &LayoutView::scanFinished, this,
                [this](int found, int columns, int rows, double pitch) {
                    statusBar()->showMessage(
                        text("SCAN_FOUND").arg(found).arg(columns).arg(rows).arg(pitch, 0, 'g', 6));
                });
    }
    // The undo entries follow the history of the active document.
    connect(window, &DocumentWindow::documentChanged, this, [this] { updateActions(); });
    window->showMaximized();
    mdi_->setActiveSubWindow(window);
    applyMenuTexts();
    return window;
}

QList<DocumentWindow*> MainWindow::windowsOf(const LayoutDocument* document) const {
    QList<DocumentWindow*> out;
    for (DocumentWindow* w : documentWindows()) {
        if (w->document().get() == document) out.push_back(w);
    }
    return out;
}

DocumentWindow* MainWindow::newLayout() {
    // Every open document stays open beside the new one.
    auto document = std::make_shared<LayoutDocument>();
    return addWindow(DocumentKind::Layout, std::move(document),
                     QStringLiteral("Edit%1").arg(++untitledCount_));
}

DocumentWindow* MainWindow::newDemo() {
    return addWindow(DocumentKind::Demo, nullptr, QStringLiteral("Text%1").arg(++demoCount_));
}

DocumentWindow* MainWindow::openFile(const std::filesystem::path& path) {
    std::error_code ec;
    const auto wanted = std::filesystem::weakly_canonical(path, ec);
    for (DocumentWindow* w : documentWindows()) {
        if (w->document() && w->document()->hasPath() &&
            std::filesystem::weakly_canonical(w->document()->path(), ec) == wanted) {
            mdi_->setActiveSubWindow(w);
            return w;
        }
    }
    auto opened = LayoutDocument::open(path);
    if (!opened) {
        dialogs_->showMessage(
            QStringLiteral("%1\n%2").arg(QString::fromStdString(path.string()),
                                         QString::fromStdString(opened.error().describe())));
        return nullptr;
    }
    std::shared_ptr<LayoutDocument> document = std::move(opened.value());
    recent_.add(path);
    // Every file opens as a layout: the effect type is not offered to Open.
    return addWindow(DocumentKind::Layout, std::move(document), fileTitle(path));
}

void MainWindow::openRecent(std::size_t index) {
    if (index >= recent_.files().size()) return;
    const auto path = recent_.files()[index];
    if (openFile(path) == nullptr) {
        recent_.remove(path);
        applyMenuTexts();
    }
}

bool MainWindow::saveDocument(LayoutDocument& document, bool askName) {
    // Below two lamps Save and Save As do nothing, and say nothing.
    if (document.layout().lamps.size() < 2) return false;
    Result<SaveOutcome> saved = SaveOutcome::TooFewLamps;
    if (askName) {
        const QString name =
            dialogs_->askSaveName(QStringLiteral("Lamp Files (*.led);;All Files (*.*)"));
        if (name.isEmpty()) return false;
        saved = document.saveAs(name.toStdString());
    } else {
        saved = document.save();
    }
    if (!saved) {
        dialogs_->showMessage(QString::fromStdString(saved.error().describe()));
        return false;
    }
    if (*saved != SaveOutcome::Saved) return false;
    recent_.add(document.path());
    for (DocumentWindow* w : windowsOf(&document)) w->setDocumentTitle(fileTitle(document.path()));
    writePortTableFor(document);
    applyMenuTexts();
    return true;
}

void MainWindow::writePortTableFor(const LayoutDocument& document) {
    const auto written = writePortTable(document.layout().lamps, state_.workFolder);
    if (!written) showMessageKey(written.error().key);
}

DocumentWindow* MainWindow::openEffectWindow(std::shared_ptr<LayoutDocument> document,
                                             const QString& title) {
    return addWindow(DocumentKind::Effect, std::move(document), title);
}

void MainWindow::openWindowLike(const DocumentWindow& window) {
    addWindow(window.kind(), window.document(), window.documentTitle());
}

bool MainWindow::mayClose(DocumentWindow& window) {
    if (!window.document()) return true;
    // Only the last window of a document asks.
    if (windowsOf(window.document().get()).size() > 1) return true;
    return settleDocument(window.document());
}

bool MainWindow::settleDocument(const std::shared_ptr<LayoutDocument>& document) {
    if (!document->isModified()) return true;
    const QList<DocumentWindow*> windows = windowsOf(document.get());
    const QString title = windows.isEmpty() ? QString() : windows.front()->documentTitle();
    const int answer = dialogs_->askSaveChanges(text("ID_MSG_MAINFRM_SAVECHANGES").arg(title));
    if (answer == QMessageBox::Cancel) return false;
    if (answer == QMessageBox::Yes) {
        // A layout that Save refuses (below two lamps) is let go unsaved.
        if (document->layout().lamps.size() < 2) return true;
        return saveDocument(*document, !document->hasPath()) || !document->isModified();
    }
    return true;
}

bool MainWindow::closeDocument(const std::shared_ptr<LayoutDocument>& document) {
    if (!settleDocument(document)) return false;
    for (DocumentWindow* w : windowsOf(document.get())) w->closeWithoutAsking();
    applyMenuTexts();
    return true;
}

bool MainWindow::switchLanguage(Language language) {
    if (!state_.language.isEnabled(language)) return false;
    if (QMdiSubWindow* active = mdi_->activeSubWindow()) active->showMaximized();
    const Status switched = state_.language.switchTo(language);
    applyMenuTexts();
    Q_EMIT languageSwitched();
    if (!switched && switched.error().key == "ERR_LANGUAGE_FILE_MISSING") return false;
    return true;
}

}  // namespace vx
