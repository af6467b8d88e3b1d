#pragma once
// Everything a user command of the program may use: the active window, its
// document and views, the documents and windows the main window keeps, the
// replaceable dialogs and the language in use. The main window implements
// it; handlers see only this.

#include <QString>
#include <QStringList>

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "app/ui/app_state.h"
#include "app/ui/desktop_dialogs.h"
#include "app/ui/document_window.h"
#include "engine/ui/commands/effect_command_context.h"
#include "layout/ui/commands/layout_command_context.h"
#include "platform/language/language_state.h"

class QWidget;

namespace vx {

class DemoView;

enum class WindowArrangement { Tile, Cascade };
enum class FrameBar { Tools, Status };

class AppCommandContext : public LayoutCommandContext, public EffectCommandContext {
public:
    virtual DocumentWindow* activeDocumentWindow() const = 0;
    // The active window's document; null without one (a demo window, none).
    std::shared_ptr<LayoutDocument> activeDocument() const;
    LayoutView* activeLayoutView() const final;
    EffectView* activeEffectView() const final;
    // The demo view of the active window, or null.
    DemoView* activeDemoView() const;
    // The name a controller image of the active document is made from: its
    // file name, or the window's title while it has none.
    std::string activeDocumentName() const;

    // Language
    virtual QString text(std::string_view key) const = 0;
    virtual const LanguageTable& languageTable() const = 0;
    virtual AppState& appState() = 0;
    virtual const AppState& appState() const = 0;
    virtual bool switchLanguage(Language language) = 0;

    // Dialogs: the questions and notes, which tests replace.
    virtual DesktopDialogs& dialogs() const = 0;
    virtual QWidget* dialogParent() = 0;
    std::optional<int> askEffectCellSize(int current) final {
        return dialogs().askCellSize(current);
    }
    void showMessageKey(std::string_view key) final { dialogs().showMessage(text(key)); }
    // A note in the status bar, for what needs no answer.
    virtual void showStatus(const QString& message) = 0;

    // Documents and windows
    virtual DocumentWindow* newLayout() = 0;
    virtual DocumentWindow* newDemo() = 0;
    // A demo window playing `demo` (made by a play command).
    virtual DocumentWindow* openDemoWindow(std::shared_ptr<DemoDocument> demo) = 0;
    virtual DocumentWindow* openFile(const std::filesystem::path& path) = 0;
    // Asks about unsaved changes first; false when the user keeps it open.
    virtual bool closeDocument(const std::shared_ptr<LayoutDocument>& document) = 0;
    virtual bool saveDocument(LayoutDocument& document, bool askName) = 0;
    virtual void writePortTableFor(const LayoutDocument& document) = 0;
    // A new effect window over `document`.
    virtual DocumentWindow* openEffectWindow(std::shared_ptr<LayoutDocument> document,
                                             const QString& title) = 0;
    virtual void openWindowLike(const DocumentWindow& window) = 0;
    // The new-layout wizard, from its start page; its end opens the layout.
    virtual void startWizard() = 0;
    virtual void arrangeWindows(WindowArrangement arrangement) = 0;

    // The frame
    virtual bool barShown(FrameBar bar) const = 0;
    virtual void setBarShown(FrameBar bar, bool shown) = 0;
    virtual void closeProgram() = 0;
};

}  // namespace vx
