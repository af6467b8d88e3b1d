#pragma once
// The main window: an MDI frame whose menu bar follows the active window,
// and the routing of the program's commands. Every menu entry, tool button
// and shortcut is a QAction carrying its command id; runCommand() hands the
// id to its handler in the command registry, and an action is enabled when
// its handler says so. The main window decides nothing about a command.

#include <QMainWindow>
#include <QPointer>

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>

#include "app/ui/app_state.h"
#include "app/ui/commands/register_commands.h"
#include "app/ui/document_window.h"
#include "app/ui/live_output_dialog.h"
#include "app/ui/menu_tables.h"
#include "app/ui/recent_files.h"
#include "app/wizard/ui/wizard_run.h"

class QAction;
class QDialog;
class QMdiArea;
class QMenu;
class QToolBar;

namespace vx {

class LayoutToolsPanel;
class LayoutView;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(AppState state);
    ~MainWindow() override;

    // Looks a text up in the language table in use.
    QString text(std::string_view key) const;
    // The same for menu entries: a backslash-t becomes the shortcut column.
    QString menuText(std::string_view key) const;
    const AppState& state() const { return state_; }
    AppState& state() { return state_; }

    // Carries out a command as if its menu entry had been chosen. Returns
    // false when the command is not available in the current state.
    bool runCommand(int command);
    QAction* action(int command) const;

    // Opens a layout file in a new layout window; on a damaged or missing
    // file shows the loader's message and opens nothing.
    DocumentWindow* openFile(const std::filesystem::path& path);
    DocumentWindow* newLayout();
    // A new demo document ("Text"); it plays what the effect view hands it.
    DocumentWindow* newDemo();
    // A demo window playing `demo`, with its pop-up menu and status texts.
    DocumentWindow* openDemoWindow(std::shared_ptr<DemoDocument> demo);
    // An effect window over `document`; the next new layout closes it.
    DocumentWindow* openEffectWindow(std::shared_ptr<LayoutDocument> document,
                                     const QString& title);
    // Another window of the kind and document of `window`.
    void openWindowLike(const DocumentWindow& window);
    // Use Wizard: starts the new-layout wizard over at its start page.
    void startWizard();
    // The wizard's page on screen, or null (main_window_wizard.cpp).
    QDialog* wizardPage() const;

    // Asks about unsaved changes first; false when the user keeps it open.
    bool closeDocument(const std::shared_ptr<LayoutDocument>& document);
    bool saveDocument(LayoutDocument& document, bool askName);
    void writePortTableFor(const LayoutDocument& document);
    bool switchLanguage(Language language);

    // Re-reads the menu bar for the active window and applies the texts.
    void applyMenuTexts();
    MenuKind menuKind() const { return menuKind_; }
    DocumentWindow* activeDocumentWindow() const;
    QList<DocumentWindow*> documentWindows() const;
    QMdiArea* mdiArea() const { return mdi_; }
    QToolBar* toolBar() const { return toolBar_; }
    const RecentFiles& recentFiles() const { return recent_; }
    // A program group chosen from a demo window's pop-up menu, waiting for
    // the next mouse movement over a demo view to be played there.
    void requestProgramGroup(int group) { pendingProgramGroup_ = group; }
    std::optional<int> pendingProgramGroup() const { return pendingProgramGroup_; }

    // Replaceable for tests: the standard dialogs and the shell's "open".
    std::function<QString(const QString& filter)> askOpenName;
    std::function<QString(const QString& filter)> askSaveName;
    std::function<std::optional<LiveOutputChoice>(const LiveOutputChoice& current)> askLiveOutput;
    // Yes = save, No = discard, Cancel = keep the window open.
    std::function<int(const QString& question)> askSaveChanges;
    std::function<void(const QString& message)> showMessage;
    std::function<bool(const QString& target)> openInShell;
    // File > New: the type to make, "Edit" or "Text"; empty on Cancel.
    std::function<QString(const QStringList& types)> askDocumentType;

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
    void updateActions();
    // The title bar names the active document and shows its "*".
    void updateTitleBar();
    // A command's menu text, with the text of `detailKey` (when not empty)
    // after its name.
    QString commandText(int command, std::string_view detailKey) const;
    void onSubWindowActivated();
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
    std::unique_ptr<AppCommandContext> context_;
    QMdiArea* mdi_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    std::map<int, QAction*> actions_;
    std::set<int> detailed_;  // commands whose text names a detail now
    std::vector<QAction*> recentActions_;
    std::vector<QAction*> languageActions_;
    MenuKind menuKind_ = MenuKind::Main;
    RecentFiles recent_;
    QPointer<DocumentWindow> lastEffectWindow_;  // opened by the last Transfer Data
    LayoutToolsPanel* toolsPanel_ = nullptr;
    QPointer<LayoutView> toolsView_;
    std::vector<QMetaObject::Connection> toolsLinks_;
    std::unique_ptr<WizardRun> wizard_;
    int untitledCount_ = 0;
    int demoCount_ = 0;
    std::optional<int> pendingProgramGroup_;
};

}  // namespace vx
