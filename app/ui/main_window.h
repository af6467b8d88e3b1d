#pragma once
// The main window: an MDI frame whose menu bar follows the active window,
// and the routing of the program's commands. Every menu entry, tool button
// and shortcut is a QAction carrying its command id; runCommand() hands the
// id to its handler in the command registry, and an action is enabled when
// its handler says so. The main window decides nothing about a command; it
// is the context the handlers run in, offering them its documents, windows
// and dialogs.

#include <QMainWindow>
#include <QPointer>

#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <set>

#include "app/ui/app_state.h"
#include "app/ui/commands/register_commands.h"
#include "app/ui/document_window.h"
#include "app/ui/menu_tables.h"
#include "app/ui/recent_files.h"
#include "app/wizard/ui/wizard_run.h"
#include "engine/ui/demo_view.h"

class QAction;
class QLabel;
class QDialog;
class QMdiArea;
class QMenu;
class QToolBar;

namespace vx {

class LayoutToolsPanel;
class LayoutView;

class MainWindow : public QMainWindow, public AppCommandContext {
    Q_OBJECT
public:
    // `dialogs` replaces the standard dialogs (tests); null keeps them.
    explicit MainWindow(AppState state, std::shared_ptr<DesktopDialogs> dialogs = nullptr);
    ~MainWindow() override;

    // Looks a text up in the language table in use.
    QString text(std::string_view key) const override;
    // The same for menu entries: a backslash-t becomes the shortcut column.
    QString menuText(std::string_view key) const;
    const LanguageTable& languageTable() const override { return state_.language.table(); }
    AppState& appState() override { return state_; }
    const AppState& appState() const override { return state_; }
    DesktopDialogs& dialogs() const override { return *dialogs_; }
    QWidget* dialogParent() override { return this; }
    void showStatus(const QString& message) override;

    // Carries out a command as if its menu entry had been chosen. Returns
    // false when the command is not available in the current state.
    bool runCommand(int command);
    QAction* action(int command) const;

    // Opens a layout file in a new layout window; on a damaged or missing
    // file shows the loader's message and opens nothing.
    DocumentWindow* openFile(const std::filesystem::path& path) override;
    DocumentWindow* newLayout() override;
    // A new demo document ("Text"); it plays what the effect view hands it.
    DocumentWindow* newDemo() override;
    // A demo window playing `demo`, with its pop-up menu and status texts.
    DocumentWindow* openDemoWindow(std::shared_ptr<DemoDocument> demo) override;
    // An effect window over `document`.
    DocumentWindow* openEffectWindow(std::shared_ptr<LayoutDocument> document,
                                     const QString& title) override;
    // Another window of the kind and document of `window`.
    void openWindowLike(const DocumentWindow& window) override;
    // Use Wizard: starts the new-layout wizard over at its start page.
    void startWizard() override;
    // The wizard's page on screen, or null (main_window_wizard.cpp).
    QDialog* wizardPage() const;

    // Asks about unsaved changes first; false when the user keeps it open.
    bool closeDocument(const std::shared_ptr<LayoutDocument>& document) override;
    bool saveDocument(LayoutDocument& document, bool askName) override;
    void writePortTableFor(const LayoutDocument& document) override;
    bool switchLanguage(Language language) override;
    void arrangeWindows(WindowArrangement arrangement) override;
    bool barShown(FrameBar bar) const override;
    void setBarShown(FrameBar bar, bool shown) override;
    void closeProgram() override { close(); }

    // Re-reads the menu bar for the active window and applies the texts.
    void applyMenuTexts();
    MenuKind menuKind() const { return menuKind_; }
    DocumentWindow* activeDocumentWindow() const override;
    QList<DocumentWindow*> documentWindows() const;
    QMdiArea* mdiArea() const { return mdi_; }
    QToolBar* toolBar() const { return toolBar_; }
    const RecentFiles& recentFiles() const { return recent_; }
    // A program group chosen from a demo window's pop-up menu, waiting for
    // the next mouse movement over a demo view to be played there.
    void requestProgramGroup(int group) { pendingProgramGroup_ = group; }
    std::optional<int> pendingProgramGroup() const { return pendingProgramGroup_; }

Q_SIGNALS:
    // After a language switch; panels with texts of their own re-apply them.
    void languageSwitched();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void createActions();
    void createToolBar();
    void buildMenu(QMenu* menu, std::span<const MenuEntry> entries);
    // The Window menu's list of open windows, after the separator `start`.
    void listOpenWindows(QMenu* menu, QAction* start);
    void updateActions();
    // The title bar names the active document and shows its "*".
    void updateTitleBar();
    // A command's menu text, with the text of `detailKey` (when not empty)
    // after its name.
    QString commandText(int command, std::string_view detailKey) const;
    void onSubWindowActivated();
    // The demo view's texts in the language in use.
    DemoView::Texts demoTexts() const;
    // The permanent status-bar note of the active window's live output.
    void showLiveTarget();
    // The layout tools panel, docked beside the windows, follows the active
    // layout view (main_window_tools.cpp).
    void createToolsPanel();
    void linkToolsPanel();

    DocumentWindow* addWindow(DocumentKind kind, std::shared_ptr<LayoutDocument> document,
                              const QString& title);
    DocumentWindow* showWindow(DocumentWindow* window);
    QList<DocumentWindow*> windowsOf(const LayoutDocument* document) const;
    bool mayClose(DocumentWindow& window);
    bool settleDocument(const std::shared_ptr<LayoutDocument>& document);
    void openRecent(std::size_t index);
    void finishWizard(WizardEnd end);

    AppState state_;
    AppCommandRegistry commands_;
    std::shared_ptr<DesktopDialogs> dialogs_;
    QMdiArea* mdi_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    std::map<int, QAction*> actions_;
    std::set<int> detailed_;  // commands whose text names a detail now
    std::vector<QAction*> recentActions_;
    std::vector<QAction*> languageActions_;
    MenuKind menuKind_ = MenuKind::Main;
    RecentFiles recent_;
    LayoutToolsPanel* toolsPanel_ = nullptr;
    QLabel* liveLabel_ = nullptr;
    QPointer<LayoutView> toolsView_;
    std::vector<QMetaObject::Connection> toolsLinks_;
    std::unique_ptr<WizardRun> wizard_;
    int untitledCount_ = 0;
    int demoCount_ = 0;
    std::optional<int> pendingProgramGroup_;
};

}  // namespace vx
