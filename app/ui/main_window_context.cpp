#include "app/ui/main_window_context.h"

#include <QMdiArea>
#include <QStatusBar>
#include <QToolBar>

#include "app/ui/main_window.h"
#include "app/ui/zoom_dialog.h"

namespace vx {

DocumentWindow* MainWindowContext::activeDocumentWindow() const {
    return window_.activeDocumentWindow();
}
QString MainWindowContext::text(std::string_view key) const { return window_.text(key); }
const LanguageTable& MainWindowContext::languageTable() const {
    return window_.state().language.table();
}
AppState& MainWindowContext::appState() { return window_.state(); }
const AppState& MainWindowContext::appState() const { return window_.state(); }
bool MainWindowContext::switchLanguage(Language language) {
    return window_.switchLanguage(language);
}

QWidget* MainWindowContext::dialogParent() { return &window_; }
QString MainWindowContext::askOpenName(const QString& filter) {
    return window_.askOpenName(filter);
}
QString MainWindowContext::askSaveName(const QString& filter) {
    return window_.askSaveName(filter);
}
std::optional<LiveOutputChoice> MainWindowContext::askLiveOutput(const LiveOutputChoice& current) {
    return window_.askLiveOutput(current);
}
QString MainWindowContext::askDocumentType(const QStringList& types) {
    return window_.askDocumentType(types);
}
void MainWindowContext::showMessage(const QString& message) { window_.showMessage(message); }
void MainWindowContext::showStatus(const QString& message) {
    window_.statusBar()->showMessage(message);
}
bool MainWindowContext::openInShell(const QString& target) { return window_.openInShell(target); }
std::optional<int> MainWindowContext::askEffectCellSize(int current) {
    return askCellSize(&window_, current, languageTable());
}

DocumentWindow* MainWindowContext::newLayout() { return window_.newLayout(); }
DocumentWindow* MainWindowContext::newDemo() { return window_.newDemo(); }
DocumentWindow* MainWindowContext::openDemoWindow(std::shared_ptr<DemoDocument> demo) {
    return window_.openDemoWindow(std::move(demo));
}
DocumentWindow* MainWindowContext::openFile(const std::filesystem::path& path) {
    return window_.openFile(path);
}
bool MainWindowContext::closeDocument(const std::shared_ptr<LayoutDocument>& document) {
    return window_.closeDocument(document);
}
bool MainWindowContext::saveDocument(LayoutDocument& document, bool askName) {
    return window_.saveDocument(document, askName);
}
void MainWindowContext::writePortTableFor(const LayoutDocument& document) {
    window_.writePortTableFor(document);
}
DocumentWindow* MainWindowContext::openEffectWindow(std::shared_ptr<LayoutDocument> document,
                                                    const QString& title) {
    return window_.openEffectWindow(std::move(document), title);
}
void MainWindowContext::openWindowLike(const DocumentWindow& window) {
    window_.openWindowLike(window);
}
void MainWindowContext::startWizard() { window_.startWizard(); }
void MainWindowContext::arrangeWindows(WindowArrangement arrangement) {
    if (arrangement == WindowArrangement::Cascade) {
        window_.mdiArea()->cascadeSubWindows();
    } else {
        window_.mdiArea()->tileSubWindows();
    }
}

bool MainWindowContext::barShown(FrameBar bar) const {
    // Hidden by the user, not merely unshown with a hidden frame.
    const QWidget* w = bar == FrameBar::Tools ? static_cast<QWidget*>(window_.toolBar())
                                              : static_cast<QWidget*>(window_.statusBar());
    return !w->isHidden();
}
void MainWindowContext::setBarShown(FrameBar bar, bool shown) {
    QWidget* w = bar == FrameBar::Tools ? static_cast<QWidget*>(window_.toolBar())
                                        : static_cast<QWidget*>(window_.statusBar());
    w->setVisible(shown);
}
void MainWindowContext::closeProgram() { window_.close(); }

}  // namespace vx
